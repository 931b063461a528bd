<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>discmenu</name>
    <message>
        <source>Run-time error %1:</source>
        <translation>Error en tiempo de ejecución %1:</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Se sobrepasó el final del archivo</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o el archivo</translation>
    </message>
    <message>
        <source>Specified DLL function not found</source>
        <translation>No se encontró la función especificada de la DLL</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o el objeto</translation>
    </message>
    <message>
        <source>item %1 (%2)</source>
        <translation>elemento %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is missing: the file holds no items</source>
        <translation>falta %1: el archivo no contiene ningún elemento</translation>
    </message>
    <message>
        <source>%1 is missing: the file ends after %2 of the %3 items</source>
        <translation>falta %1: el archivo termina después de %2 de los %3 elementos</translation>
    </message>
    <message>
        <source>%1 does not end within the first %2 MiB of the file; is a closing double quote missing?</source>
        <translation>%1 no termina en los primeros %2 MiB del archivo; ¿faltan unas comillas de cierre?</translation>
    </message>
    <message>
        <source>%1 is the text &quot;%2&quot;, which is not a number: write 1 to show entry %3 or 0 to hide it</source>
        <translation>%1 es el texto &quot;%2&quot;, que no es un número: escriba 1 para mostrar la entrada %3 o 0 para ocultarla</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1: es una carpeta</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a directory, not a picture file</source>
        <translation>%1: es una carpeta, no un archivo de imagen</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: el archivo está vacío</translation>
    </message>
    <message>
        <source>%1: the file is larger than the %2 MiB a picture file may take</source>
        <translation>%1: el archivo supera los %2 MiB que puede ocupar un archivo de imagen</translation>
    </message>
    <message>
        <source>%1: the picture has no size</source>
        <translation>%1: la imagen no tiene tamaño</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have</source>
        <translation>%1: la imagen tiene %2 x %3 píxeles, más de los 64 megapíxeles permitidos</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read</source>
        <translation>%1: no es un archivo de imagen legible</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2)</source>
        <translation>%1: no se puede decodificar la imagen (%2)</translation>
    </message>
    <message>
        <source>%1: the JPEG data ends too early (the file is cut off)</source>
        <translation>%1: los datos JPEG terminan antes de tiempo (el archivo está cortado)</translation>
    </message>
    <message>
        <source>%1: the GIF data ends too early (the file is cut off)</source>
        <translation>%1: los datos GIF terminan antes de tiempo (el archivo está cortado)</translation>
    </message>
    <message>
        <source>%1: the BMP header is cut off</source>
        <translation>%1: el encabezado BMP está cortado</translation>
    </message>
    <message>
        <source>%1: the BMP pixel data is cut off</source>
        <translation>%1: los datos de píxeles BMP están cortados</translation>
    </message>
    <message>
        <source>cannot tell the folder that holds the running program</source>
        <translation>no se puede saber en qué carpeta está el programa en ejecución</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;. Make sure the name is right, then try again.</source>
        <translation>No se encuentra &quot;%1&quot;. Compruebe que el nombre es correcto y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>no se puede abrir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: no program is available to open it</source>
        <translation>no se puede abrir &quot;%1&quot;: no hay ningún programa disponible para abrirlo</translation>
    </message>
    <message>
        <source>cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>no se puede mostrar la ventana del menú: no hay pantalla (no está definido ni DISPLAY ni WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>cannot show the menu window: %1</source>
        <translation>no se puede mostrar la ventana del menú: %1</translation>
    </message>
    <message>
        <source>cannot create the menu window</source>
        <translation>no se puede crear la ventana del menú</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagen de fondo</translation>
    </message>
</context>
</TS>
