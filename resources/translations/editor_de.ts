<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Ask</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Fehlende Einträge ergänzen</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>install.ini was changed on disk by another program.</source>
        <translation>install.ini wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Reload the file from disk</source>
        <translation>Die Datei neu von der Festplatte laden</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>Keep my version</source>
        <translation>Meine Fassung behalten</translation>
    </message>
</context>
<context>
    <name>FindingsDock</name>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>No findings: the menu starts as designed.</source>
        <translation>Keine Befunde: Das Menü startet wie entworfen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
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
        <translation>Kein Eintrag von install.ini kann diesen Text aufnehmen: Hier darf kein doppeltes Anführungszeichen stehen.</translation>
    </message>
    <message>
        <source>Convert install.ini to UTF-8?</source>
        <translation>install.ini in UTF-8 umwandeln?</translation>
    </message>
    <message>
        <source>install.ini is written in %1, which cannot hold this text.

Convert the whole file to UTF-8 with a byte-order mark? The menu reads it the same; every other text stays as it is.</source>
        <translation>install.ini ist in %1 geschrieben, das diesen Text nicht aufnehmen kann.

Die ganze Datei in UTF-8 mit Byte-Order-Mark umwandeln? Das Menü liest sie genauso; jeder andere Text bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>Not changed: %1 cannot hold this text.</source>
        <translation>Nicht geändert: %1 kann diesen Text nicht aufnehmen.</translation>
    </message>
    <message>
        <source>Convert to UTF-8 and edit %1</source>
        <translation>In UTF-8 umwandeln und %1 bearbeiten</translation>
    </message>
    <message>
        <source>Not set: the background takes a picture, not %1.</source>
        <translation>Nicht gesetzt: Der Hintergrund nimmt ein Bild, nicht %1.</translation>
    </message>
    <message>
        <source>Not set: drop one picture and one other file at most.</source>
        <translation>Nicht gesetzt: Höchstens ein Bild und eine andere Datei ablegen.</translation>
    </message>
    <message>
        <source>Not set: %1</source>
        <translation>Nicht gesetzt: %1</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>Copy into the menu folder?</source>
        <translation>In den Menüordner kopieren?</translation>
    </message>
    <message>
        <source>The menu finds only files inside its folder. Copy into it:

%1?</source>
        <translation>Das Menü findet nur Dateien in seinem Ordner. Hineinkopieren:

%1?</translation>
    </message>
    <message>
        <source>Not set: %1 is outside the menu folder and was not copied in.</source>
        <translation>Nicht gesetzt: %1 liegt außerhalb des Menüordners und wurde nicht hineinkopiert.</translation>
    </message>
    <message>
        <source>Drop on the background</source>
        <translation>Auf den Hintergrund abgelegt</translation>
    </message>
    <message>
        <source>Drop on entry %1</source>
        <translation>Auf Eintrag %1 abgelegt</translation>
    </message>
    <message>
        <source>Unchanged: the entry names these files already.</source>
        <translation>Unverändert: Der Eintrag nennt diese Dateien bereits.</translation>
    </message>
    <message>
        <source>Not set: install.ini cannot hold these names in its encoding.</source>
        <translation>Nicht gesetzt: install.ini kann diese Namen in seiner Kodierung nicht aufnehmen.</translation>
    </message>
    <message>
        <source>Copied in: %1</source>
        <translation>Hineinkopiert: %1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>install.ini has changes that are not saved. Save them?</source>
        <translation>install.ini hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>Open a menu folder</source>
        <translation>Einen Menüordner öffnen</translation>
    </message>
    <message>
        <source>Choose or create an empty folder for the menu</source>
        <translation>Einen leeren Ordner für das Menü wählen oder anlegen</translation>
    </message>
    <message>
        <source>No new menu</source>
        <translation>Kein neues Menü</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>&amp;Test run</source>
        <translation>&amp;Probelauf</translation>
    </message>
    <message>
        <source>Test run under &amp;Wine</source>
        <translation>Probelauf unter &amp;Wine</translation>
    </message>
    <message>
        <source>&amp;Build images...</source>
        <translation>&amp;Abbilder erstellen...</translation>
    </message>
    <message>
        <source>No test run: %1</source>
        <translation>Kein Probelauf: %1</translation>
    </message>
    <message>
        <source>The test run ended (status %1).</source>
        <translation>Der Probelauf ist beendet (Status %1).</translation>
    </message>
    <message>
        <source>Test run of %1 started.</source>
        <translation>Probelauf von %1 gestartet.</translation>
    </message>
    <message>
        <source>Save install.ini first: the images hold the saved folder.</source>
        <translation>Zuerst install.ini speichern: Die Abbilder enthalten den gespeicherten Ordner.</translation>
    </message>
    <message>
        <source>Where to write the disc and stick images</source>
        <translation>Wohin die Disc- und Stick-Abbilder schreiben</translation>
    </message>
    <message>
        <source>Images written to %1</source>
        <translation>Abbilder in %1 geschrieben</translation>
    </message>
    <message>
        <source>No images</source>
        <translation>Keine Abbilder</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Add the missing items?</source>
        <translation>Fehlende Einträge ergänzen?</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 34 items the menu reads; the menu stops where they end.

Add the missing items at the end of the file? Added show flags are 0, which hides their entries; an added button picture repeats the one before it; other added items are empty, and the findings say what still needs a value. Nothing before them changes, and the file is written only when you save.</source>
        <translation>%1 enthält %2 der 34 Einträge, die das Menü liest; das Menü bricht ab, wo sie enden.

Die fehlenden Einträge am Ende der Datei ergänzen? Ergänzte Anzeige-Flags sind 0, sodass ihre Schaltflächen verborgen sind; ein ergänztes Schaltflächenbild wiederholt das vorige; andere ergänzte Einträge bleiben leer, und die Befunde nennen, was noch einen Wert braucht. Davor ändert sich nichts, und die Datei wird erst beim Speichern geschrieben.</translation>
    </message>
    <message>
        <source>&amp;Add Items</source>
        <translation>&amp;Ergänzen</translation>
    </message>
    <message>
        <source>Not changed: install.ini ends before item %1.</source>
        <translation>Nicht geändert: install.ini endet vor Eintrag %1.</translation>
    </message>
    <message>
        <source>Not set: install.ini ends before this entry&apos;s items.</source>
        <translation>Nicht gesetzt: install.ini endet vor den Einträgen dieser Schaltfläche.</translation>
    </message>
</context>
<context>
    <name>MenuCanvas</name>
    <message>
        <source>Menu window</source>
        <translation>Menüfenster</translation>
    </message>
    <message>
        <source>Click a button, a label or the background to select it; type to change the selected entry&apos;s caption</source>
        <translation>Klicken Sie auf eine Schaltfläche, eine Beschriftung oder den Hintergrund, um sie auszuwählen; tippen Sie, um die Beschriftung des gewählten Eintrags zu ändern</translation>
    </message>
    <message>
        <source>Open a menu folder (File &gt; Open)</source>
        <translation>Einen Menüordner öffnen (Datei &gt; Öffnen)</translation>
    </message>
    <message>
        <source>Hidden in the menu</source>
        <translation>Im Menü verborgen</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Beschriftung %1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Schaltfläche %1</translation>
    </message>
</context>
<context>
    <name>PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>Selected control</source>
        <translation>Ausgewähltes Element</translation>
    </message>
    <message>
        <source>&amp;Control:</source>
        <translation>&amp;Element:</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>Entry shown</source>
        <translation>Eintrag angezeigt</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Beschriftung:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>B&amp;ild:</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Hintergrund:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Button picture</source>
        <translation>Schaltflächenbild</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>Fenstertitel</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
</context>
<context>
    <name>discmenu-editor</name>
    <message>
        <source>Convert to UTF-8</source>
        <translation>In UTF-8 umwandeln</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>discmenu::editor::PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
</TS>
