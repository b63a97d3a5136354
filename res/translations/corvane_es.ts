<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Corvane</name>
    <message>
        <source>Couldn&apos;t create filter graph! hr=0x%x</source>
        <translation>¡No se pudo crear el grafo de filtros! hr=0x%x</translation>
    </message>
    <message>
        <source>Failed to render source file %s!  hr=0x%x
</source>
        <translation>¡No se pudo abrir el archivo de origen %s!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Please install MKV codec!  hr=0x%x
</source>
        <translation>¡Instale el códec MKV!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to create FileWriter filter!  hr=0x%x
</source>
        <translation>¡No se pudo crear el filtro FileWriter!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to create QI IFileSinkFilter!  hr=0x%x
</source>
        <translation>¡No se pudo obtener la interfaz IFileSinkFilter!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to set target filename!  hr=0x%x
</source>
        <translation>¡No se pudo establecer el nombre del archivo de destino!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to add Mux filter to graph!  hr=0x%x
</source>
        <translation>¡No se pudo añadir el filtro Mux al grafo!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to add FileWriter filter to graph!  hr=0x%x
</source>
        <translation>¡No se pudo añadir el filtro FileWriter al grafo!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find output pin on Mux!  hr=0x%x
</source>
        <translation>¡No se encontró el pin de salida del Mux!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find input pin on FileWriter!  hr=0x%x
</source>
        <translation>¡No se encontró el pin de entrada del FileWriter!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to connect Mux to FileWriter!  hr=0x%x
</source>
        <translation>¡No se pudo conectar el Mux al FileWriter!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to connect 2 filters!  hr=0x%x
</source>
        <translation>¡No se pudieron conectar dos filtros!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to QI for IMediaControl!  hr=0x%x
</source>
        <translation>¡No se pudo obtener la interfaz IMediaControl!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to run the graph!  hr=0x%x
Copy aborted.

</source>
        <translation>¡No se pudo iniciar el grafo!  hr=0x%x
Copia cancelada.

</translation>
    </message>
    <message>
        <source>Failed to write the Matroska file!  hr=0x%x
</source>
        <translation>¡No se pudo escribir el archivo Matroska!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to pSplitterFilter!  hr=0x%x
</source>
        <translation>¡Error en pSplitterFilter!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to save the Matroska file as %s!  hr=0x%x
</source>
        <translation>¡No se pudo guardar el archivo Matroska como %s!  hr=0x%x
</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation>se denegó el acceso</translation>
    </message>
    <message>
        <source>a file was not found</source>
        <translation>no se encontró un archivo</translation>
    </message>
    <message>
        <source>a folder was not found</source>
        <translation>no se encontró una carpeta</translation>
    </message>
    <message>
        <source>a folder stands where a file was expected</source>
        <translation>hay una carpeta donde se esperaba un archivo</translation>
    </message>
    <message>
        <source>a file name is too long</source>
        <translation>un nombre de archivo es demasiado largo</translation>
    </message>
    <message>
        <source>the disk reported a read or write error</source>
        <translation>el disco informó de un error de lectura o escritura</translation>
    </message>
    <message>
        <source>the disk reported a read error</source>
        <translation>el disco informó de un error de lectura</translation>
    </message>
    <message>
        <source>the source ended before its data did</source>
        <translation>el origen terminó antes que sus datos</translation>
    </message>
    <message>
        <source>the computer ran out of memory</source>
        <translation>el equipo se quedó sin memoria</translation>
    </message>
    <message>
        <source>the conversion was stopped</source>
        <translation>la conversión se detuvo</translation>
    </message>
    <message>
        <source>the source is not a video file Corvane can read</source>
        <translation>el origen no es un archivo de vídeo que Corvane pueda leer</translation>
    </message>
    <message>
        <source>the source is damaged or not a video file</source>
        <translation>el origen está dañado o no es un archivo de vídeo</translation>
    </message>
    <message>
        <source>the source is too short to be a video file</source>
        <translation>el origen es demasiado corto para ser un archivo de vídeo</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>un error inesperado</translation>
    </message>
    <message>
        <source>CreateFilterGraph: Failed to create graph!  hr=0x%x
</source>
        <translation>CreateFilterGraph: ¡No se pudo crear el grafo!  hr=0x%x
</translation>
    </message>
    <message>
        <source>CreateFilter: Failed to create filter!  hr=0x%x
</source>
        <translation>CreateFilter: ¡No se pudo crear el filtro!  hr=0x%x
</translation>
    </message>
    <message>
        <source>SetNoClock: Failed to QI for media filter!  hr=0x%x
</source>
        <translation>SetNoClock: ¡No se pudo obtener el filtro multimedia!  hr=0x%x
</translation>
    </message>
    <message>
        <source>SetNoClock: Failed to set sync source!  hr=0x%x
</source>
        <translation>SetNoClock: ¡No se pudo establecer la fuente de sincronización!  hr=0x%x
</translation>
    </message>
    <message>
        <source>QI failed for IMediaEvent interface!
</source>
        <translation>¡No se pudo obtener la interfaz IMediaEvent!
</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x%x
</source>
        <translation>¡Falló ConnectDirect(pSourceOutPin, pMuxerInputPin)!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Cannot find source filter output pin!</source>
        <translation>¡No se encuentra el pin de salida del filtro de origen!</translation>
    </message>
    <message>
        <source>Cannot find the input pin of splitter</source>
        <translation>No se encuentra el pin de entrada del divisor</translation>
    </message>
    <message>
        <source>Failed to CountFilterPins!  hr=0x%x
</source>
        <translation>¡Falló CountFilterPins!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find output pin on pSourceFilter!  hr=0x%x
</source>
        <translation>¡No se encontró el pin de salida de pSourceFilter!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find intput pin on pMux!  hr=0x%x
</source>
        <translation>¡No se encontró el pin de entrada de pMux!  hr=0x%x
</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitle</source>
        <translation>subtítulos</translation>
    </message>
    <message>
        <source>data</source>
        <translation>datos</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>adjunto</translation>
    </message>
    <message>
        <source>This stream of the source is not in it:
</source>
        <translation>Esta pista del origen no está incluida:
</translation>
    </message>
    <message>
        <source>These streams of the source are not in it:
</source>
        <translation>Estas pistas del origen no están incluidas:
</translation>
    </message>
    <message>
        <source>  stream %d (%s, %s): %s
</source>
        <translation>  pista %d (%s, %s): %s
</translation>
    </message>
    <message>
        <source>The source ends early: the file looks cut off.</source>
        <translation>El origen termina antes de tiempo: el archivo parece cortado.</translation>
    </message>
    <message>
        <source>Parts of the source could not be read.</source>
        <translation>No se pudieron leer partes del origen.</translation>
    </message>
    <message>
        <source>Its readable part ends at %s.</source>
        <translation>Su parte legible termina en %s.</translation>
    </message>
    <message>
        <source>It was read up to %s.</source>
        <translation>Se leyó hasta %s.</translation>
    </message>
    <message>
        <source>Nothing of it could be read.</source>
        <translation>No se pudo leer nada de él.</translation>
    </message>
    <message>
        <source>%lld damaged or incomplete packet was left out.</source>
        <translation>Se omitió %lld paquete dañado o incompleto.</translation>
    </message>
    <message>
        <source>%lld damaged or incomplete packets were left out.</source>
        <translation>Se omitieron %lld paquetes dañados o incompletos.</translation>
    </message>
    <message>
        <source>The output file was written, but it is incomplete.
</source>
        <translation>El archivo de salida se ha escrito, pero está incompleto.
</translation>
    </message>
    <message>
        <source>Path is too long!  hr=0x%x
</source>
        <translation>¡La ruta es demasiado larga!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Path is not valid text!  hr=0x%x
</source>
        <translation>¡La ruta no es un texto válido!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Please wait conversion</source>
        <translation>Espere a que termine la conversión</translation>
    </message>
    <message>
        <source>Converting is done!</source>
        <translation>¡La conversión ha terminado!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>The output file name is too long. Please choose a shorter one.</source>
        <translation>El nombre del archivo de salida es demasiado largo. Elija uno más corto.</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The output file is the source video itself. Please choose another output file name.</source>
        <translation>El archivo de salida es el propio vídeo de origen. Elija otro nombre para el archivo de salida.</translation>
    </message>
    <message>
        <source>Can get Windows Version</source>
        <translation>No se pudo obtener la versión de Windows</translation>
    </message>
    <message>
        <source>Video Files (*.*)</source>
        <translation>Archivos de vídeo (*.*)</translation>
    </message>
    <message>
        <source>Select a video file...</source>
        <translation>Seleccionar un archivo de vídeo...</translation>
    </message>
    <message>
        <source>MKV file(*.mkv)</source>
        <translation>Archivo MKV (*.mkv)</translation>
    </message>
    <message>
        <source>Select Output</source>
        <translation>Seleccionar la salida</translation>
    </message>
    <message>
        <source>The chosen file name is too long for an output file. Please choose a shorter one.</source>
        <translation>El nombre de archivo elegido es demasiado largo para un archivo de salida. Elija uno más corto.</translation>
    </message>
    <message>
        <source>Can not get SHGetFolderPathA!</source>
        <translation>¡No se pudo obtener SHGetFolderPathA!</translation>
    </message>
    <message>
        <source>Can not get My Video directory!</source>
        <translation>¡No se pudo obtener la carpeta Vídeos!</translation>
    </message>
    <message>
        <source>The dropped file&apos;s name is too long. Please choose a file with a shorter path.</source>
        <translation>El nombre del archivo soltado es demasiado largo. Elija un archivo con una ruta más corta.</translation>
    </message>
    <message>
        <source>Do you want to check the lastest version on our website?</source>
        <translation>¿Desea buscar la última versión en nuestro sitio web?</translation>
    </message>
    <message>
        <source>Update the program</source>
        <translation>Actualizar el programa</translation>
    </message>
    <message>
        <source>unknown errors</source>
        <translation>Errores desconocidos</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>&amp;About Corvane</source>
        <translation>&amp;Acerca de Corvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Output file name:</source>
        <translation>Nombre del archivo de salida:</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Abrir vídeo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Corvane Version 2.0</source>
        <translation>Corvane versión 2.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quillon Studio</source>
        <translation>Copyright (C) 2026 Quillon Studio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Acerca de Corvane</translation>
    </message>
    <message>
        <source>a timecode track has no place in Matroska (its start time is kept as a tag)</source>
        <translation>una pista de código de tiempo no tiene cabida en Matroska (su hora de inicio se conserva como etiqueta)</translation>
    </message>
    <message>
        <source>its codec is unknown</source>
        <translation>su códec es desconocido</translation>
    </message>
    <message>
        <source>Matroska cannot carry this codec</source>
        <translation>Matroska no admite este códec</translation>
    </message>
    <message>
        <source>its parameters could not be found (the file may be damaged)</source>
        <translation>no se encontraron sus parámetros (puede que el archivo esté dañado)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Please check that you have selected the correct profile for copying.
Note that if your source ASF file is audio-only, then selecting a
video profile will cause a failure when running the graph.

</source>
        <translation>Compruebe que ha seleccionado el perfil correcto para la copia.
Tenga en cuenta que, si su archivo ASF de origen solo contiene audio,
seleccionar un perfil de vídeo hará fallar la ejecución del grafo.

</translation>
    </message>
    <message>
        <source>%s - %d%% - %s left</source>
        <translation>%s - %d%% - quedan %s</translation>
    </message>
    <message>
        <source>Because the program does not decode and encode video, the speed is fast. But we do not guarantee the conversion will be successful each time. After we test, some video will fail.</source>
        <translation>Como el programa no decodifica ni vuelve a codificar el vídeo, es rápido. Pero no garantizamos que cada conversión salga bien: en nuestras pruebas, algunos vídeos fallaron.</translation>
    </message>
    <message>
        <source>%s is not a file that can be opened. Please choose a single video file.</source>
        <translation>%s no es un archivo que se pueda abrir. Elija un solo archivo de vídeo.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Cerrar	Alt+F4</translation>
    </message>
    <message>
        <source>%d files: %s</source>
        <translation>%d archivos: %s</translation>
    </message>
    <message>
        <source>Converted: %s</source>
        <translation>Convertidos: %s</translation>
    </message>
    <message>
        <source>Written, but incomplete: %s</source>
        <translation>Escritos, pero incompletos: %s</translation>
    </message>
    <message>
        <source>Failed: %s</source>
        <translation>Fallidos: %s</translation>
    </message>
    <message>
        <source>Skipped: %s</source>
        <translation>Omitidos: %s</translation>
    </message>
    <message>
        <source>it is its own output</source>
        <translation>sería su propio archivo de salida</translation>
    </message>
    <message>
        <source>another file of the queue has the same output name</source>
        <translation>otro archivo de la cola tiene el mismo nombre de salida</translation>
    </message>
    <message>
        <source>the output exists</source>
        <translation>el archivo de salida existe</translation>
    </message>
    <message>
        <source>%d of %d output files exist. Replace them?</source>
        <translation>Ya existen %d de %d archivos de salida. ¿Reemplazarlos?</translation>
    </message>
    <message>
        <source>These dropped files were left out:</source>
        <translation>Estos archivos soltados se han descartado:</translation>
    </message>
    <message>
        <source>%s: a name too long for a path</source>
        <translation>%s: un nombre demasiado largo para una ruta</translation>
    </message>
    <message>
        <source>%s: not a file that can be opened</source>
        <translation>%s: no es un archivo que se pueda abrir</translation>
    </message>
    <message>
        <source>%s: not a video file</source>
        <translation>%s: no es un archivo de vídeo</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %s ,
Please launch your web browser and input the URL manually.</source>
        <translation>El programa no puede abrir su navegador web para acceder a %s.
Inicie su navegador web y escriba la dirección usted mismo.</translation>
    </message>
    <message>
        <source>Contact: %s</source>
        <translation>Contacto: %s</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1</source>
        <comment>the help window&apos;s title: the page&apos;s title, and a note that the help is in English</comment>
        <translation>%1 – ayuda disponible solo en inglés</translation>
    </message>
</context>
</TS>
