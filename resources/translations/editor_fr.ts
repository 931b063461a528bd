<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Ask</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Add the missing items</source>
        <translation>Ajouter les éléments manquants</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>install.ini was changed on disk by another program.</source>
        <translation>install.ini a été modifié sur le disque par un autre programme.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>Reload the file from disk</source>
        <translation>Recharger le fichier depuis le disque</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Garder la mienne</translation>
    </message>
    <message>
        <source>Keep my version</source>
        <translation>Garder ma version</translation>
    </message>
</context>
<context>
    <name>FindingsDock</name>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>No findings: the menu starts as designed.</source>
        <translation>Aucun constat : le menu démarre comme prévu.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>discmenu-editor</source>
        <translation>discmenu-editor</translation>
    </message>
    <message>
        <source>%1[*] - discmenu-editor</source>
        <translation>%1[*] - discmenu-editor</translation>
    </message>
    <message>
        <source>No item of install.ini can hold this text: a double quote may not stand here.</source>
        <translation>Aucun élément de install.ini ne peut contenir ce texte : un guillemet double ne peut pas figurer ici.</translation>
    </message>
    <message>
        <source>Convert install.ini to UTF-8?</source>
        <translation>Convertir install.ini en UTF-8 ?</translation>
    </message>
    <message>
        <source>install.ini is written in %1, which cannot hold this text.

Convert the whole file to UTF-8 with a byte-order mark? The menu reads it the same; every other text stays as it is.</source>
        <translation>install.ini est écrit en %1, qui ne peut pas contenir ce texte.

Convertir tout le fichier en UTF-8 avec une marque d&apos;ordre des octets ? Le menu le lit de la même façon ; tous les autres textes restent tels quels.</translation>
    </message>
    <message>
        <source>Not changed: %1 cannot hold this text.</source>
        <translation>Non modifié : %1 ne peut pas contenir ce texte.</translation>
    </message>
    <message>
        <source>Convert to UTF-8 and edit %1</source>
        <translation>Convertir en UTF-8 et modifier %1</translation>
    </message>
    <message>
        <source>Not set: the background takes a picture, not %1.</source>
        <translation>Non défini : l&apos;arrière-plan accepte une image, pas %1.</translation>
    </message>
    <message>
        <source>Not set: drop one picture and one other file at most.</source>
        <translation>Non défini : déposez au plus une image et un autre fichier.</translation>
    </message>
    <message>
        <source>Not set: %1</source>
        <translation>Non défini : %1</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 sous %2</translation>
    </message>
    <message>
        <source>Copy into the menu folder?</source>
        <translation>Copier dans le dossier du menu ?</translation>
    </message>
    <message>
        <source>The menu finds only files inside its folder. Copy into it:

%1?</source>
        <translation>Le menu ne trouve que les fichiers de son dossier. Y copier :

%1 ?</translation>
    </message>
    <message>
        <source>Not set: %1 is outside the menu folder and was not copied in.</source>
        <translation>Non défini : %1 est hors du dossier du menu et n&apos;y a pas été copié.</translation>
    </message>
    <message>
        <source>Drop on the background</source>
        <translation>Dépôt sur l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Drop on entry %1</source>
        <translation>Dépôt sur l&apos;entrée %1</translation>
    </message>
    <message>
        <source>Unchanged: the entry names these files already.</source>
        <translation>Inchangé : l&apos;entrée désigne déjà ces fichiers.</translation>
    </message>
    <message>
        <source>Not set: install.ini cannot hold these names in its encoding.</source>
        <translation>Non défini : l&apos;encodage de install.ini ne peut pas contenir ces noms.</translation>
    </message>
    <message>
        <source>Copied in: %1</source>
        <translation>Copié : %1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>install.ini has changes that are not saved. Save them?</source>
        <translation>install.ini contient des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Open a menu folder</source>
        <translation>Ouvrir un dossier de menu</translation>
    </message>
    <message>
        <source>Choose or create an empty folder for the menu</source>
        <translation>Choisir ou créer un dossier vide pour le menu</translation>
    </message>
    <message>
        <source>No new menu</source>
        <translation>Pas de nouveau menu</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Exécuter</translation>
    </message>
    <message>
        <source>&amp;Test run</source>
        <translation>&amp;Essai</translation>
    </message>
    <message>
        <source>Test run under &amp;Wine</source>
        <translation>Essai sous &amp;Wine</translation>
    </message>
    <message>
        <source>&amp;Build images...</source>
        <translation>&amp;Créer les images...</translation>
    </message>
    <message>
        <source>No test run: %1</source>
        <translation>Pas d&apos;essai : %1</translation>
    </message>
    <message>
        <source>The test run ended (status %1).</source>
        <translation>L&apos;essai est terminé (état %1).</translation>
    </message>
    <message>
        <source>Test run of %1 started.</source>
        <translation>Essai de %1 lancé.</translation>
    </message>
    <message>
        <source>Save install.ini first: the images hold the saved folder.</source>
        <translation>Enregistrez d&apos;abord install.ini : les images contiennent le dossier enregistré.</translation>
    </message>
    <message>
        <source>Where to write the disc and stick images</source>
        <translation>Où écrire les images du disque et de la clé</translation>
    </message>
    <message>
        <source>Images written to %1</source>
        <translation>Images écrites dans %1</translation>
    </message>
    <message>
        <source>No images</source>
        <translation>Aucune image</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Add the missing items?</source>
        <translation>Ajouter les éléments manquants ?</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 34 items the menu reads; the menu stops where they end.

Add the missing items at the end of the file? Added show flags are 0, which hides their entries; an added button picture repeats the one before it; other added items are empty, and the findings say what still needs a value. Nothing before them changes, and the file is written only when you save.</source>
        <translation>%1 contient %2 des 34 éléments que lit le menu ; le menu s&apos;arrête là où ils s&apos;arrêtent.

Ajouter les éléments manquants à la fin du fichier ? Les indicateurs d&apos;affichage ajoutés valent 0, ce qui masque leurs entrées ; une image de bouton ajoutée reprend la précédente ; les autres éléments ajoutés sont vides, et les constats indiquent ce qui attend encore une valeur. Rien de ce qui précède ne change, et le fichier n&apos;est écrit que lorsque vous enregistrez.</translation>
    </message>
    <message>
        <source>&amp;Add Items</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Not changed: install.ini ends before item %1.</source>
        <translation>Non modifié : install.ini se termine avant l&apos;élément %1.</translation>
    </message>
    <message>
        <source>Not set: install.ini ends before this entry&apos;s items.</source>
        <translation>Non défini : install.ini se termine avant les éléments de cette entrée.</translation>
    </message>
</context>
<context>
    <name>MenuCanvas</name>
    <message>
        <source>Menu window</source>
        <translation>Fenêtre du menu</translation>
    </message>
    <message>
        <source>Click a button, a label or the background to select it; type to change the selected entry&apos;s caption</source>
        <translation>Cliquez sur un bouton, un libellé ou l&apos;arrière-plan pour le sélectionner ; tapez pour modifier le libellé de l&apos;entrée sélectionnée</translation>
    </message>
    <message>
        <source>Open a menu folder (File &gt; Open)</source>
        <translation>Ouvrez un dossier de menu (Fichier &gt; Ouvrir)</translation>
    </message>
    <message>
        <source>Hidden in the menu</source>
        <translation>Masqué dans le menu</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Libellé %1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Bouton %1</translation>
    </message>
</context>
<context>
    <name>PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Entrée %1</translation>
    </message>
    <message>
        <source>Selected control</source>
        <translation>Contrôle sélectionné</translation>
    </message>
    <message>
        <source>&amp;Control:</source>
        <translation>&amp;Contrôle :</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affiché</translation>
    </message>
    <message>
        <source>Entry shown</source>
        <translation>Entrée affichée</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Libellé :</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Cible :</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Image :</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Arrière-plan :</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Button picture</source>
        <translation>Image du bouton</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>Titre de la fenêtre</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
</context>
<context>
    <name>discmenu-editor</name>
    <message>
        <source>Convert to UTF-8</source>
        <translation>Convertir en UTF-8</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
</context>
<context>
    <name>discmenu::editor::PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
</context>
</TS>
