<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>discmenu</name>
    <message>
        <source>Run-time error %1:</source>
        <translation>Erreur d&apos;exécution %1 :</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Entrée au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Specified DLL function not found</source>
        <translation>Fonction de DLL spécifiée introuvable</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image incorrecte</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>item %1 (%2)</source>
        <translation>élément %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is missing: the file holds no items</source>
        <translation>%1 manque : le fichier ne contient aucun élément</translation>
    </message>
    <message>
        <source>%1 is missing: the file ends after %2 of the %3 items</source>
        <translation>%1 manque : le fichier se termine après %2 des %3 éléments</translation>
    </message>
    <message>
        <source>%1 does not end within the first %2 MiB of the file; is a closing double quote missing?</source>
        <translation>%1 ne se termine pas dans les %2 premiers Mio du fichier ; manque-t-il un guillemet fermant ?</translation>
    </message>
    <message>
        <source>%1 is the text &quot;%2&quot;, which is not a number: write 1 to show entry %3 or 0 to hide it</source>
        <translation>%1 est le texte « %2 », qui n&apos;est pas un nombre : écrivez 1 pour afficher l&apos;entrée %3 ou 0 pour la masquer</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1 : est un dossier</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1 : n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: is a directory, not a picture file</source>
        <translation>%1 : est un dossier, pas un fichier d&apos;image</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1 : le fichier est vide</translation>
    </message>
    <message>
        <source>%1: the file is larger than the %2 MiB a picture file may take</source>
        <translation>%1 : le fichier dépasse les %2 Mio permis pour un fichier d&apos;image</translation>
    </message>
    <message>
        <source>%1: the picture has no size</source>
        <translation>%1 : l&apos;image n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have</source>
        <translation>%1 : l&apos;image fait %2 x %3 pixels, plus que les 64 mégapixels permis</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read</source>
        <translation>%1 : ce n&apos;est pas un fichier d&apos;image lisible</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2)</source>
        <translation>%1 : impossible de décoder l&apos;image (%2)</translation>
    </message>
    <message>
        <source>%1: the JPEG data ends too early (the file is cut off)</source>
        <translation>%1 : les données JPEG s&apos;arrêtent trop tôt (le fichier est tronqué)</translation>
    </message>
    <message>
        <source>%1: the GIF data ends too early (the file is cut off)</source>
        <translation>%1 : les données GIF s&apos;arrêtent trop tôt (le fichier est tronqué)</translation>
    </message>
    <message>
        <source>%1: the BMP header is cut off</source>
        <translation>%1 : l&apos;en-tête BMP est tronqué</translation>
    </message>
    <message>
        <source>%1: the BMP pixel data is cut off</source>
        <translation>%1 : les données de pixels BMP sont tronquées</translation>
    </message>
    <message>
        <source>cannot tell the folder that holds the running program</source>
        <translation>impossible de déterminer le dossier du programme en cours</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;. Make sure the name is right, then try again.</source>
        <translation>« %1 » est introuvable. Vérifiez le nom, puis réessayez.</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: no program is available to open it</source>
        <translation>impossible d&apos;ouvrir « %1 » : aucun programme n&apos;est disponible pour l&apos;ouvrir</translation>
    </message>
    <message>
        <source>cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>impossible d&apos;afficher la fenêtre du menu : pas d&apos;affichage (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</translation>
    </message>
    <message>
        <source>cannot show the menu window: %1</source>
        <translation>impossible d&apos;afficher la fenêtre du menu : %1</translation>
    </message>
    <message>
        <source>cannot create the menu window</source>
        <translation>impossible de créer la fenêtre du menu</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
</context>
</TS>
