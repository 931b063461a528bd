<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>discmenu</name>
    <message>
        <source>Run-time error %1:</source>
        <translation>Laufzeitfehler %1:</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Einlesen hinter Dateiende</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Specified DLL function not found</source>
        <translation>Angegebene DLL-Funktion nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>item %1 (%2)</source>
        <translation>Eintrag %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is missing: the file holds no items</source>
        <translation>%1 fehlt: die Datei enthält keine Einträge</translation>
    </message>
    <message>
        <source>%1 is missing: the file ends after %2 of the %3 items</source>
        <translation>%1 fehlt: die Datei endet nach %2 von %3 Einträgen</translation>
    </message>
    <message>
        <source>%1 does not end within the first %2 MiB of the file; is a closing double quote missing?</source>
        <translation>%1 endet nicht innerhalb der ersten %2 MiB der Datei; fehlt ein schließendes Anführungszeichen?</translation>
    </message>
    <message>
        <source>%1 is the text &quot;%2&quot;, which is not a number: write 1 to show entry %3 or 0 to hide it</source>
        <translation>%1 ist der Text „%2“, keine Zahl: schreiben Sie 1, um Eintrag %3 anzuzeigen, oder 0, um ihn auszublenden</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1: ist ein Ordner</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1: ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a directory, not a picture file</source>
        <translation>%1: ist ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: die Datei ist leer</translation>
    </message>
    <message>
        <source>%1: the file is larger than the %2 MiB a picture file may take</source>
        <translation>%1: die Datei ist größer als die %2 MiB, die eine Bilddatei haben darf</translation>
    </message>
    <message>
        <source>%1: the picture has no size</source>
        <translation>%1: das Bild hat keine Größe</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have</source>
        <translation>%1: das Bild hat %2 x %3 Pixel, mehr als die 64 Megapixel, die ein Bild haben darf</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read</source>
        <translation>%1: keine lesbare Bilddatei</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2)</source>
        <translation>%1: das Bild lässt sich nicht dekodieren (%2)</translation>
    </message>
    <message>
        <source>%1: the JPEG data ends too early (the file is cut off)</source>
        <translation>%1: die JPEG-Daten enden zu früh (die Datei ist abgeschnitten)</translation>
    </message>
    <message>
        <source>%1: the GIF data ends too early (the file is cut off)</source>
        <translation>%1: die GIF-Daten enden zu früh (die Datei ist abgeschnitten)</translation>
    </message>
    <message>
        <source>%1: the BMP header is cut off</source>
        <translation>%1: der BMP-Kopf ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1: the BMP pixel data is cut off</source>
        <translation>%1: die BMP-Bilddaten sind abgeschnitten</translation>
    </message>
    <message>
        <source>cannot tell the folder that holds the running program</source>
        <translation>der Ordner des laufenden Programms ist nicht zu ermitteln</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;. Make sure the name is right, then try again.</source>
        <translation>„%1“ wurde nicht gefunden. Prüfen Sie den Namen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: no program is available to open it</source>
        <translation>„%1“ lässt sich nicht öffnen: kein Programm zum Öffnen dieser Datei verfügbar</translation>
    </message>
    <message>
        <source>cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>das Menüfenster kann nicht angezeigt werden: kein Bildschirm (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>cannot show the menu window: %1</source>
        <translation>das Menüfenster kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>cannot create the menu window</source>
        <translation>das Menüfenster kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
</context>
</TS>
