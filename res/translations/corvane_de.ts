<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Corvane</name>
    <message>
        <source>Couldn&apos;t create filter graph! hr=0x%x</source>
        <translation>Der Filtergraph konnte nicht erstellt werden! hr=0x%x</translation>
    </message>
    <message>
        <source>Failed to render source file %s!  hr=0x%x
</source>
        <translation>Die Quelldatei %s konnte nicht geöffnet werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Please install MKV codec!  hr=0x%x
</source>
        <translation>Bitte installieren Sie den MKV-Codec!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to create FileWriter filter!  hr=0x%x
</source>
        <translation>Der FileWriter-Filter konnte nicht erstellt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to create QI IFileSinkFilter!  hr=0x%x
</source>
        <translation>IFileSinkFilter konnte nicht abgefragt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to set target filename!  hr=0x%x
</source>
        <translation>Der Name der Zieldatei konnte nicht festgelegt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to add Mux filter to graph!  hr=0x%x
</source>
        <translation>Der Mux-Filter konnte dem Graphen nicht hinzugefügt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to add FileWriter filter to graph!  hr=0x%x
</source>
        <translation>Der FileWriter-Filter konnte dem Graphen nicht hinzugefügt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find output pin on Mux!  hr=0x%x
</source>
        <translation>Der Ausgangs-Pin des Mux wurde nicht gefunden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find input pin on FileWriter!  hr=0x%x
</source>
        <translation>Der Eingangs-Pin des FileWriter wurde nicht gefunden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to connect Mux to FileWriter!  hr=0x%x
</source>
        <translation>Mux und FileWriter konnten nicht verbunden werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to connect 2 filters!  hr=0x%x
</source>
        <translation>Zwei Filter konnten nicht verbunden werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to QI for IMediaControl!  hr=0x%x
</source>
        <translation>IMediaControl konnte nicht abgefragt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to run the graph!  hr=0x%x
Copy aborted.

</source>
        <translation>Der Graph konnte nicht gestartet werden!  hr=0x%x
Kopieren abgebrochen.

</translation>
    </message>
    <message>
        <source>Failed to write the Matroska file!  hr=0x%x
</source>
        <translation>Die Matroska-Datei konnte nicht geschrieben werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to pSplitterFilter!  hr=0x%x
</source>
        <translation>Fehler bei pSplitterFilter!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to save the Matroska file as %s!  hr=0x%x
</source>
        <translation>Die Matroska-Datei konnte nicht als %s gespeichert werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation>der Zugriff wurde verweigert</translation>
    </message>
    <message>
        <source>a file was not found</source>
        <translation>eine Datei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>a folder was not found</source>
        <translation>ein Ordner wurde nicht gefunden</translation>
    </message>
    <message>
        <source>a folder stands where a file was expected</source>
        <translation>an der Stelle einer erwarteten Datei steht ein Ordner</translation>
    </message>
    <message>
        <source>a file name is too long</source>
        <translation>ein Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>the disk reported a read or write error</source>
        <translation>der Datenträger meldete einen Lese- oder Schreibfehler</translation>
    </message>
    <message>
        <source>the disk reported a read error</source>
        <translation>der Datenträger meldete einen Lesefehler</translation>
    </message>
    <message>
        <source>the source ended before its data did</source>
        <translation>die Quelle endete vor ihren Daten</translation>
    </message>
    <message>
        <source>the computer ran out of memory</source>
        <translation>der Arbeitsspeicher des Computers reichte nicht aus</translation>
    </message>
    <message>
        <source>the conversion was stopped</source>
        <translation>die Umwandlung wurde angehalten</translation>
    </message>
    <message>
        <source>the source is not a video file Corvane can read</source>
        <translation>die Quelle ist keine Videodatei, die Corvane lesen kann</translation>
    </message>
    <message>
        <source>the source is damaged or not a video file</source>
        <translation>die Quelle ist beschädigt oder keine Videodatei</translation>
    </message>
    <message>
        <source>the source is too short to be a video file</source>
        <translation>die Quelle ist zu kurz für eine Videodatei</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>ein unerwarteter Fehler</translation>
    </message>
    <message>
        <source>CreateFilterGraph: Failed to create graph!  hr=0x%x
</source>
        <translation>CreateFilterGraph: Der Graph konnte nicht erstellt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>CreateFilter: Failed to create filter!  hr=0x%x
</source>
        <translation>CreateFilter: Der Filter konnte nicht erstellt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>SetNoClock: Failed to QI for media filter!  hr=0x%x
</source>
        <translation>SetNoClock: Der Medienfilter konnte nicht abgefragt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>SetNoClock: Failed to set sync source!  hr=0x%x
</source>
        <translation>SetNoClock: Die Synchronisationsquelle konnte nicht festgelegt werden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>QI failed for IMediaEvent interface!
</source>
        <translation>Die Schnittstelle IMediaEvent konnte nicht abgefragt werden!
</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x%x
</source>
        <translation>ConnectDirect(pSourceOutPin, pMuxerInputPin) ist fehlgeschlagen!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Cannot find source filter output pin!</source>
        <translation>Der Ausgangs-Pin des Quellfilters wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Cannot find the input pin of splitter</source>
        <translation>Der Eingangs-Pin des Splitters wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Failed to CountFilterPins!  hr=0x%x
</source>
        <translation>CountFilterPins ist fehlgeschlagen!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find output pin on pSourceFilter!  hr=0x%x
</source>
        <translation>Der Ausgangs-Pin von pSourceFilter wurde nicht gefunden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find intput pin on pMux!  hr=0x%x
</source>
        <translation>Der Eingangs-Pin von pMux wurde nicht gefunden!  hr=0x%x
</translation>
    </message>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>Anhang</translation>
    </message>
    <message>
        <source>This stream of the source is not in it:
</source>
        <translation>Dieser Datenstrom der Quelle fehlt darin:
</translation>
    </message>
    <message>
        <source>These streams of the source are not in it:
</source>
        <translation>Diese Datenströme der Quelle fehlen darin:
</translation>
    </message>
    <message>
        <source>  stream %d (%s, %s): %s
</source>
        <translation>  Datenstrom %d (%s, %s): %s
</translation>
    </message>
    <message>
        <source>The source ends early: the file looks cut off.</source>
        <translation>Die Quelle endet vorzeitig: Die Datei scheint abgeschnitten zu sein.</translation>
    </message>
    <message>
        <source>Parts of the source could not be read.</source>
        <translation>Teile der Quelle konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Its readable part ends at %s.</source>
        <translation>Ihr lesbarer Teil endet bei %s.</translation>
    </message>
    <message>
        <source>It was read up to %s.</source>
        <translation>Sie wurde bis %s gelesen.</translation>
    </message>
    <message>
        <source>Nothing of it could be read.</source>
        <translation>Nichts davon konnte gelesen werden.</translation>
    </message>
    <message>
        <source>%lld damaged or incomplete packet was left out.</source>
        <translation>%lld beschädigtes oder unvollständiges Paket wurde ausgelassen.</translation>
    </message>
    <message>
        <source>%lld damaged or incomplete packets were left out.</source>
        <translation>%lld beschädigte oder unvollständige Pakete wurden ausgelassen.</translation>
    </message>
    <message>
        <source>The output file was written, but it is incomplete.
</source>
        <translation>Die Ausgabedatei wurde geschrieben, ist aber unvollständig.
</translation>
    </message>
    <message>
        <source>Path is too long!  hr=0x%x
</source>
        <translation>Der Pfad ist zu lang!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Path is not valid text!  hr=0x%x
</source>
        <translation>Der Pfad ist kein gültiger Text!  hr=0x%x
</translation>
    </message>
    <message>
        <source>Please wait conversion</source>
        <translation>Bitte warten Sie, bis die Umwandlung fertig ist</translation>
    </message>
    <message>
        <source>Converting is done!</source>
        <translation>Die Umwandlung ist fertig!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>The output file name is too long. Please choose a shorter one.</source>
        <translation>Der Name der Ausgabedatei ist zu lang. Bitte wählen Sie einen kürzeren.</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The output file is the source video itself. Please choose another output file name.</source>
        <translation>Die Ausgabedatei ist das Quellvideo selbst. Bitte wählen Sie einen anderen Namen für die Ausgabedatei.</translation>
    </message>
    <message>
        <source>Can get Windows Version</source>
        <translation>Die Windows-Version konnte nicht ermittelt werden</translation>
    </message>
    <message>
        <source>Video Files (*.*)</source>
        <translation>Videodateien (*.*)</translation>
    </message>
    <message>
        <source>Select a video file...</source>
        <translation>Videodatei auswählen …</translation>
    </message>
    <message>
        <source>MKV file(*.mkv)</source>
        <translation>MKV-Datei (*.mkv)</translation>
    </message>
    <message>
        <source>Select Output</source>
        <translation>Ausgabe auswählen</translation>
    </message>
    <message>
        <source>The chosen file name is too long for an output file. Please choose a shorter one.</source>
        <translation>Der gewählte Dateiname ist für eine Ausgabedatei zu lang. Bitte wählen Sie einen kürzeren.</translation>
    </message>
    <message>
        <source>Can not get SHGetFolderPathA!</source>
        <translation>SHGetFolderPathA ist nicht verfügbar!</translation>
    </message>
    <message>
        <source>Can not get My Video directory!</source>
        <translation>Der Ordner „Videos“ wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>The dropped file&apos;s name is too long. Please choose a file with a shorter path.</source>
        <translation>Der Name der abgelegten Datei ist zu lang. Bitte wählen Sie eine Datei mit einem kürzeren Pfad.</translation>
    </message>
    <message>
        <source>Do you want to check the lastest version on our website?</source>
        <translation>Möchten Sie auf unserer Website nach der neuesten Version sehen?</translation>
    </message>
    <message>
        <source>Update the program</source>
        <translation>Programm aktualisieren</translation>
    </message>
    <message>
        <source>unknown errors</source>
        <translation>Unbekannte Fehler</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>&amp;About Corvane</source>
        <translation>Ü&amp;ber Corvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Output file name:</source>
        <translation>Name der Ausgabedatei:</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Video öffnen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Corvane Version 2.0</source>
        <translation>Corvane Version 2.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quillon Studio</source>
        <translation>Copyright (C) 2026 Quillon Studio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Über Corvane</translation>
    </message>
    <message>
        <source>a timecode track has no place in Matroska (its start time is kept as a tag)</source>
        <translation>eine Timecode-Spur hat in Matroska keinen Platz (ihre Startzeit bleibt als Tag erhalten)</translation>
    </message>
    <message>
        <source>its codec is unknown</source>
        <translation>sein Codec ist unbekannt</translation>
    </message>
    <message>
        <source>Matroska cannot carry this codec</source>
        <translation>Matroska kann diesen Codec nicht aufnehmen</translation>
    </message>
    <message>
        <source>its parameters could not be found (the file may be damaged)</source>
        <translation>seine Parameter wurden nicht gefunden (die Datei ist vielleicht beschädigt)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Please check that you have selected the correct profile for copying.
Note that if your source ASF file is audio-only, then selecting a
video profile will cause a failure when running the graph.

</source>
        <translation>Bitte prüfen Sie, ob Sie das richtige Profil zum Kopieren gewählt haben.
Beachten Sie: Enthält Ihre ASF-Quelldatei nur Audio, führt die Wahl
eines Videoprofils beim Starten des Graphen zu einem Fehler.

</translation>
    </message>
    <message>
        <source>%s - %d%% - %s left</source>
        <translation>%s - %d%% - noch %s</translation>
    </message>
    <message>
        <source>Because the program does not decode and encode video, the speed is fast. But we do not guarantee the conversion will be successful each time. After we test, some video will fail.</source>
        <translation>Da das Programm Videos weder dekodiert noch neu kodiert, arbeitet es schnell. Wir garantieren aber nicht, dass jede Umwandlung gelingt: In unseren Tests schlugen manche Videos fehl.</translation>
    </message>
    <message>
        <source>%s is not a file that can be opened. Please choose a single video file.</source>
        <translation>%s ist keine Datei, die sich öffnen lässt. Bitte wählen Sie eine einzelne Videodatei.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Schließen	Alt+F4</translation>
    </message>
    <message>
        <source>%d files: %s</source>
        <translation>%d Dateien: %s</translation>
    </message>
    <message>
        <source>Converted: %s</source>
        <translation>Umgewandelt: %s</translation>
    </message>
    <message>
        <source>Written, but incomplete: %s</source>
        <translation>Geschrieben, aber unvollständig: %s</translation>
    </message>
    <message>
        <source>Failed: %s</source>
        <translation>Fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>Skipped: %s</source>
        <translation>Übersprungen: %s</translation>
    </message>
    <message>
        <source>it is its own output</source>
        <translation>sie ist ihre eigene Ausgabe</translation>
    </message>
    <message>
        <source>another file of the queue has the same output name</source>
        <translation>eine andere Datei der Warteschlange hat denselben Ausgabenamen</translation>
    </message>
    <message>
        <source>the output exists</source>
        <translation>die Ausgabedatei existiert</translation>
    </message>
    <message>
        <source>%d of %d output files exist. Replace them?</source>
        <translation>%d von %d Ausgabedateien existieren bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>These dropped files were left out:</source>
        <translation>Diese abgelegten Dateien wurden ausgelassen:</translation>
    </message>
    <message>
        <source>%s: a name too long for a path</source>
        <translation>%s: ein Name, zu lang für einen Pfad</translation>
    </message>
    <message>
        <source>%s: not a file that can be opened</source>
        <translation>%s: keine Datei, die sich öffnen lässt</translation>
    </message>
    <message>
        <source>%s: not a video file</source>
        <translation>%s: keine Videodatei</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %s ,
Please launch your web browser and input the URL manually.</source>
        <translation>Das Programm kann Ihren Webbrowser nicht starten, um %s aufzurufen.
Bitte starten Sie Ihren Webbrowser und geben Sie die Adresse selbst ein.</translation>
    </message>
    <message>
        <source>Contact: %s</source>
        <translation>Kontakt: %s</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1</source>
        <comment>the help window&apos;s title: the page&apos;s title, and a note that the help is in English</comment>
        <translation>%1 – Hilfe nur auf Englisch</translation>
    </message>
</context>
</TS>
