<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Ask</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Add the missing items</source>
        <translation>Añadir los elementos que faltan</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>install.ini was changed on disk by another program.</source>
        <translation>Otro programa ha modificado install.ini en el disco.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>Reload the file from disk</source>
        <translation>Recargar el archivo desde el disco</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Mantener la mía</translation>
    </message>
    <message>
        <source>Keep my version</source>
        <translation>Mantener mi versión</translation>
    </message>
</context>
<context>
    <name>FindingsDock</name>
    <message>
        <source>Findings</source>
        <translation>Hallazgos</translation>
    </message>
    <message>
        <source>No findings: the menu starts as designed.</source>
        <translation>Sin hallazgos: el menú se inicia tal como se diseñó.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
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
        <translation>Ningún elemento de install.ini puede contener este texto: aquí no puede haber comillas dobles.</translation>
    </message>
    <message>
        <source>Convert install.ini to UTF-8?</source>
        <translation>¿Convertir install.ini a UTF-8?</translation>
    </message>
    <message>
        <source>install.ini is written in %1, which cannot hold this text.

Convert the whole file to UTF-8 with a byte-order mark? The menu reads it the same; every other text stays as it is.</source>
        <translation>install.ini está escrito en %1, que no puede contener este texto.

¿Convertir todo el archivo a UTF-8 con marca de orden de bytes? El menú lo lee igual; los demás textos quedan como están.</translation>
    </message>
    <message>
        <source>Not changed: %1 cannot hold this text.</source>
        <translation>Sin cambios: %1 no puede contener este texto.</translation>
    </message>
    <message>
        <source>Convert to UTF-8 and edit %1</source>
        <translation>Convertir a UTF-8 y editar %1</translation>
    </message>
    <message>
        <source>Not set: the background takes a picture, not %1.</source>
        <translation>No establecido: el fondo admite una imagen, no %1.</translation>
    </message>
    <message>
        <source>Not set: drop one picture and one other file at most.</source>
        <translation>No establecido: suelte como máximo una imagen y otro archivo.</translation>
    </message>
    <message>
        <source>Not set: %1</source>
        <translation>No establecido: %1</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 como %2</translation>
    </message>
    <message>
        <source>Copy into the menu folder?</source>
        <translation>¿Copiar en la carpeta del menú?</translation>
    </message>
    <message>
        <source>The menu finds only files inside its folder. Copy into it:

%1?</source>
        <translation>El menú solo encuentra archivos dentro de su carpeta. ¿Copiar en ella:

%1?</translation>
    </message>
    <message>
        <source>Not set: %1 is outside the menu folder and was not copied in.</source>
        <translation>No establecido: %1 está fuera de la carpeta del menú y no se copió en ella.</translation>
    </message>
    <message>
        <source>Drop on the background</source>
        <translation>Soltar en el fondo</translation>
    </message>
    <message>
        <source>Drop on entry %1</source>
        <translation>Soltar en la entrada %1</translation>
    </message>
    <message>
        <source>Unchanged: the entry names these files already.</source>
        <translation>Sin cambios: la entrada ya indica estos archivos.</translation>
    </message>
    <message>
        <source>Not set: install.ini cannot hold these names in its encoding.</source>
        <translation>No establecido: la codificación de install.ini no puede contener estos nombres.</translation>
    </message>
    <message>
        <source>Copied in: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>install.ini has changes that are not saved. Save them?</source>
        <translation>install.ini tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Open a menu folder</source>
        <translation>Abrir una carpeta de menú</translation>
    </message>
    <message>
        <source>Choose or create an empty folder for the menu</source>
        <translation>Elija o cree una carpeta vacía para el menú</translation>
    </message>
    <message>
        <source>No new menu</source>
        <translation>No hay menú nuevo</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>E&amp;jecutar</translation>
    </message>
    <message>
        <source>&amp;Test run</source>
        <translation>&amp;Prueba</translation>
    </message>
    <message>
        <source>Test run under &amp;Wine</source>
        <translation>Prueba con &amp;Wine</translation>
    </message>
    <message>
        <source>&amp;Build images...</source>
        <translation>&amp;Crear imágenes...</translation>
    </message>
    <message>
        <source>No test run: %1</source>
        <translation>Sin prueba: %1</translation>
    </message>
    <message>
        <source>The test run ended (status %1).</source>
        <translation>La prueba terminó (estado %1).</translation>
    </message>
    <message>
        <source>Test run of %1 started.</source>
        <translation>Prueba de %1 iniciada.</translation>
    </message>
    <message>
        <source>Save install.ini first: the images hold the saved folder.</source>
        <translation>Guarde primero install.ini: las imágenes contienen la carpeta guardada.</translation>
    </message>
    <message>
        <source>Where to write the disc and stick images</source>
        <translation>Dónde escribir las imágenes del disco y de la memoria USB</translation>
    </message>
    <message>
        <source>Images written to %1</source>
        <translation>Imágenes escritas en %1</translation>
    </message>
    <message>
        <source>No images</source>
        <translation>Sin imágenes</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>Add the missing items?</source>
        <translation>¿Añadir los elementos que faltan?</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 34 items the menu reads; the menu stops where they end.

Add the missing items at the end of the file? Added show flags are 0, which hides their entries; an added button picture repeats the one before it; other added items are empty, and the findings say what still needs a value. Nothing before them changes, and the file is written only when you save.</source>
        <translation>%1 contiene %2 de los 34 elementos que lee el menú; el menú se detiene donde terminan.

¿Añadir los elementos que faltan al final del archivo? Los indicadores de visibilidad añadidos valen 0, lo que oculta sus entradas; una imagen de botón añadida repite la anterior; los demás elementos añadidos quedan vacíos, y los hallazgos indican qué necesita todavía un valor. Nada de lo anterior cambia, y el archivo solo se escribe cuando usted guarda.</translation>
    </message>
    <message>
        <source>&amp;Add Items</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Not changed: install.ini ends before item %1.</source>
        <translation>Sin cambios: install.ini termina antes del elemento %1.</translation>
    </message>
    <message>
        <source>Not set: install.ini ends before this entry&apos;s items.</source>
        <translation>No establecido: install.ini termina antes de los elementos de esta entrada.</translation>
    </message>
</context>
<context>
    <name>MenuCanvas</name>
    <message>
        <source>Menu window</source>
        <translation>Ventana del menú</translation>
    </message>
    <message>
        <source>Click a button, a label or the background to select it; type to change the selected entry&apos;s caption</source>
        <translation>Haga clic en un botón, una etiqueta o el fondo para seleccionarlo; escriba para cambiar el texto de la entrada seleccionada</translation>
    </message>
    <message>
        <source>Open a menu folder (File &gt; Open)</source>
        <translation>Abra una carpeta de menú (Archivo &gt; Abrir)</translation>
    </message>
    <message>
        <source>Hidden in the menu</source>
        <translation>Oculto en el menú</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Etiqueta %1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Botón %1</translation>
    </message>
</context>
<context>
    <name>PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>Selected control</source>
        <translation>Control seleccionado</translation>
    </message>
    <message>
        <source>&amp;Control:</source>
        <translation>&amp;Control:</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Entry shown</source>
        <translation>Entrada visible</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Destino:</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Imagen:</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fondo:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Button picture</source>
        <translation>Imagen del botón</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>Título de la ventana</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagen de fondo</translation>
    </message>
</context>
<context>
    <name>discmenu-editor</name>
    <message>
        <source>Convert to UTF-8</source>
        <translation>Convertir a UTF-8</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
</context>
<context>
    <name>discmenu::editor::PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
</context>
</TS>
