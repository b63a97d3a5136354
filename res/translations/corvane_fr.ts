<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvane</name>
    <message>
        <source>Couldn&apos;t create filter graph! hr=0x%x</source>
        <translation>Impossible de créer le graphe de filtres ! hr=0x%x</translation>
    </message>
    <message>
        <source>Failed to render source file %s!  hr=0x%x
</source>
        <translation>Impossible d’ouvrir le fichier source %s !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Please install MKV codec!  hr=0x%x
</source>
        <translation>Veuillez installer le codec MKV !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to create FileWriter filter!  hr=0x%x
</source>
        <translation>Impossible de créer le filtre FileWriter !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to create QI IFileSinkFilter!  hr=0x%x
</source>
        <translation>Impossible d’obtenir l’interface IFileSinkFilter !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to set target filename!  hr=0x%x
</source>
        <translation>Impossible de définir le nom du fichier de destination !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to add Mux filter to graph!  hr=0x%x
</source>
        <translation>Impossible d’ajouter le filtre Mux au graphe !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to add FileWriter filter to graph!  hr=0x%x
</source>
        <translation>Impossible d’ajouter le filtre FileWriter au graphe !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find output pin on Mux!  hr=0x%x
</source>
        <translation>Broche de sortie du Mux introuvable !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find input pin on FileWriter!  hr=0x%x
</source>
        <translation>Broche d’entrée du FileWriter introuvable !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to connect Mux to FileWriter!  hr=0x%x
</source>
        <translation>Impossible de connecter le Mux au FileWriter !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to connect 2 filters!  hr=0x%x
</source>
        <translation>Impossible de connecter deux filtres !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to QI for IMediaControl!  hr=0x%x
</source>
        <translation>Impossible d’obtenir l’interface IMediaControl !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to run the graph!  hr=0x%x
Copy aborted.

</source>
        <translation>Impossible de démarrer le graphe !  hr=0x%x
Copie interrompue.

</translation>
    </message>
    <message>
        <source>Failed to write the Matroska file!  hr=0x%x
</source>
        <translation>Impossible d’écrire le fichier Matroska !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to pSplitterFilter!  hr=0x%x
</source>
        <translation>Échec de pSplitterFilter !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to save the Matroska file as %s!  hr=0x%x
</source>
        <translation>Impossible d’enregistrer le fichier Matroska sous %s !  hr=0x%x
</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation>l’accès a été refusé</translation>
    </message>
    <message>
        <source>a file was not found</source>
        <translation>un fichier est introuvable</translation>
    </message>
    <message>
        <source>a folder was not found</source>
        <translation>un dossier est introuvable</translation>
    </message>
    <message>
        <source>a folder stands where a file was expected</source>
        <translation>un dossier se trouve là où un fichier était attendu</translation>
    </message>
    <message>
        <source>a file name is too long</source>
        <translation>un nom de fichier est trop long</translation>
    </message>
    <message>
        <source>the disk reported a read or write error</source>
        <translation>le disque a signalé une erreur de lecture ou d’écriture</translation>
    </message>
    <message>
        <source>the disk reported a read error</source>
        <translation>le disque a signalé une erreur de lecture</translation>
    </message>
    <message>
        <source>the source ended before its data did</source>
        <translation>la source s’est terminée avant ses données</translation>
    </message>
    <message>
        <source>the computer ran out of memory</source>
        <translation>la mémoire de l’ordinateur est épuisée</translation>
    </message>
    <message>
        <source>the conversion was stopped</source>
        <translation>la conversion a été arrêtée</translation>
    </message>
    <message>
        <source>the source is not a video file Corvane can read</source>
        <translation>la source n’est pas un fichier vidéo que Corvane sait lire</translation>
    </message>
    <message>
        <source>the source is damaged or not a video file</source>
        <translation>la source est endommagée ou n’est pas un fichier vidéo</translation>
    </message>
    <message>
        <source>the source is too short to be a video file</source>
        <translation>la source est trop courte pour être un fichier vidéo</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>une erreur inattendue</translation>
    </message>
    <message>
        <source>CreateFilterGraph: Failed to create graph!  hr=0x%x
</source>
        <translation>CreateFilterGraph : impossible de créer le graphe !  hr=0x%x
</translation>
    </message>
    <message>
        <source>CreateFilter: Failed to create filter!  hr=0x%x
</source>
        <translation>CreateFilter : impossible de créer le filtre !  hr=0x%x
</translation>
    </message>
    <message>
        <source>SetNoClock: Failed to QI for media filter!  hr=0x%x
</source>
        <translation>SetNoClock : impossible d’obtenir le filtre multimédia !  hr=0x%x
</translation>
    </message>
    <message>
        <source>SetNoClock: Failed to set sync source!  hr=0x%x
</source>
        <translation>SetNoClock : impossible de définir la source de synchronisation !  hr=0x%x
</translation>
    </message>
    <message>
        <source>QI failed for IMediaEvent interface!
</source>
        <translation>Impossible d’obtenir l’interface IMediaEvent !
</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x%x
</source>
        <translation>Échec de ConnectDirect(pSourceOutPin, pMuxerInputPin) !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Cannot find source filter output pin!</source>
        <translation>Broche de sortie du filtre source introuvable !</translation>
    </message>
    <message>
        <source>Cannot find the input pin of splitter</source>
        <translation>Broche d’entrée du séparateur introuvable</translation>
    </message>
    <message>
        <source>Failed to CountFilterPins!  hr=0x%x
</source>
        <translation>Échec de CountFilterPins !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find output pin on pSourceFilter!  hr=0x%x
</source>
        <translation>Broche de sortie de pSourceFilter introuvable !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Failed to find intput pin on pMux!  hr=0x%x
</source>
        <translation>Broche d’entrée de pMux introuvable !  hr=0x%x
</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitle</source>
        <translation>sous-titres</translation>
    </message>
    <message>
        <source>data</source>
        <translation>données</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>pièce jointe</translation>
    </message>
    <message>
        <source>This stream of the source is not in it:
</source>
        <translation>Ce flux de la source n’y figure pas :
</translation>
    </message>
    <message>
        <source>These streams of the source are not in it:
</source>
        <translation>Ces flux de la source n’y figurent pas :
</translation>
    </message>
    <message>
        <source>  stream %d (%s, %s): %s
</source>
        <translation>  flux %d (%s, %s) : %s
</translation>
    </message>
    <message>
        <source>The source ends early: the file looks cut off.</source>
        <translation>La source se termine trop tôt : le fichier semble tronqué.</translation>
    </message>
    <message>
        <source>Parts of the source could not be read.</source>
        <translation>Des parties de la source n’ont pas pu être lues.</translation>
    </message>
    <message>
        <source>Its readable part ends at %s.</source>
        <translation>Sa partie lisible s’arrête à %s.</translation>
    </message>
    <message>
        <source>It was read up to %s.</source>
        <translation>Elle a été lue jusqu’à %s.</translation>
    </message>
    <message>
        <source>Nothing of it could be read.</source>
        <translation>Rien n’a pu en être lu.</translation>
    </message>
    <message>
        <source>%lld damaged or incomplete packet was left out.</source>
        <translation>%lld paquet endommagé ou incomplet a été omis.</translation>
    </message>
    <message>
        <source>%lld damaged or incomplete packets were left out.</source>
        <translation>%lld paquets endommagés ou incomplets ont été omis.</translation>
    </message>
    <message>
        <source>The output file was written, but it is incomplete.
</source>
        <translation>Le fichier de sortie a été écrit, mais il est incomplet.
</translation>
    </message>
    <message>
        <source>Path is too long!  hr=0x%x
</source>
        <translation>Le chemin est trop long !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Path is not valid text!  hr=0x%x
</source>
        <translation>Le chemin n’est pas un texte valide !  hr=0x%x
</translation>
    </message>
    <message>
        <source>Please wait conversion</source>
        <translation>Veuillez attendre la fin de la conversion</translation>
    </message>
    <message>
        <source>Converting is done!</source>
        <translation>La conversion est terminée !</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>The output file name is too long. Please choose a shorter one.</source>
        <translation>Le nom du fichier de sortie est trop long. Veuillez en choisir un plus court.</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The output file is the source video itself. Please choose another output file name.</source>
        <translation>Le fichier de sortie est la vidéo source elle-même. Veuillez choisir un autre nom de fichier de sortie.</translation>
    </message>
    <message>
        <source>Can get Windows Version</source>
        <translation>Impossible d’obtenir la version de Windows</translation>
    </message>
    <message>
        <source>Video Files (*.*)</source>
        <translation>Fichiers vidéo (*.*)</translation>
    </message>
    <message>
        <source>Select a video file...</source>
        <translation>Sélectionner un fichier vidéo…</translation>
    </message>
    <message>
        <source>MKV file(*.mkv)</source>
        <translation>Fichier MKV (*.mkv)</translation>
    </message>
    <message>
        <source>Select Output</source>
        <translation>Choisir la sortie</translation>
    </message>
    <message>
        <source>The chosen file name is too long for an output file. Please choose a shorter one.</source>
        <translation>Le nom de fichier choisi est trop long pour un fichier de sortie. Veuillez en choisir un plus court.</translation>
    </message>
    <message>
        <source>Can not get SHGetFolderPathA!</source>
        <translation>Impossible d’obtenir SHGetFolderPathA !</translation>
    </message>
    <message>
        <source>Can not get My Video directory!</source>
        <translation>Impossible de trouver le dossier Vidéos !</translation>
    </message>
    <message>
        <source>The dropped file&apos;s name is too long. Please choose a file with a shorter path.</source>
        <translation>Le nom du fichier déposé est trop long. Veuillez choisir un fichier dont le chemin est plus court.</translation>
    </message>
    <message>
        <source>Do you want to check the lastest version on our website?</source>
        <translation>Voulez-vous rechercher la dernière version sur notre site web ?</translation>
    </message>
    <message>
        <source>Update the program</source>
        <translation>Mettre à jour le programme</translation>
    </message>
    <message>
        <source>unknown errors</source>
        <translation>Erreurs inconnues</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>&amp;About Corvane</source>
        <translation>À &amp;propos de Corvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Output file name:</source>
        <translation>Nom du fichier de sortie :</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Ouvrir une vidéo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Corvane Version 2.0</source>
        <translation>Corvane version 2.0</translation>
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
        <translation>À propos de Corvane</translation>
    </message>
    <message>
        <source>a timecode track has no place in Matroska (its start time is kept as a tag)</source>
        <translation>une piste de timecode n’a pas sa place dans Matroska (son heure de début est conservée comme étiquette)</translation>
    </message>
    <message>
        <source>its codec is unknown</source>
        <translation>son codec est inconnu</translation>
    </message>
    <message>
        <source>Matroska cannot carry this codec</source>
        <translation>Matroska ne peut pas contenir ce codec</translation>
    </message>
    <message>
        <source>its parameters could not be found (the file may be damaged)</source>
        <translation>ses paramètres sont introuvables (le fichier est peut-être endommagé)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Please check that you have selected the correct profile for copying.
Note that if your source ASF file is audio-only, then selecting a
video profile will cause a failure when running the graph.

</source>
        <translation>Vérifiez que vous avez choisi le bon profil pour la copie.
Notez que si votre fichier source ASF ne contient que de l’audio, choisir
un profil vidéo fera échouer le démarrage du graphe.

</translation>
    </message>
    <message>
        <source>%s - %d%% - %s left</source>
        <translation>%s - %d%% - reste %s</translation>
    </message>
    <message>
        <source>Because the program does not decode and encode video, the speed is fast. But we do not guarantee the conversion will be successful each time. After we test, some video will fail.</source>
        <translation>Comme le programme ne décode ni ne réencode la vidéo, il est rapide. Mais nous ne garantissons pas que chaque conversion réussisse : lors de nos tests, certaines vidéos ont échoué.</translation>
    </message>
    <message>
        <source>%s is not a file that can be opened. Please choose a single video file.</source>
        <translation>%s n’est pas un fichier qui peut être ouvert. Veuillez choisir un seul fichier vidéo.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Fermer	Alt+F4</translation>
    </message>
    <message>
        <source>%d files: %s</source>
        <translation>%d fichiers : %s</translation>
    </message>
    <message>
        <source>Converted: %s</source>
        <translation>Convertis : %s</translation>
    </message>
    <message>
        <source>Written, but incomplete: %s</source>
        <translation>Écrits, mais incomplets : %s</translation>
    </message>
    <message>
        <source>Failed: %s</source>
        <translation>Échoués : %s</translation>
    </message>
    <message>
        <source>Skipped: %s</source>
        <translation>Ignorés : %s</translation>
    </message>
    <message>
        <source>it is its own output</source>
        <translation>il serait son propre fichier de sortie</translation>
    </message>
    <message>
        <source>another file of the queue has the same output name</source>
        <translation>un autre fichier de la file a le même nom de sortie</translation>
    </message>
    <message>
        <source>the output exists</source>
        <translation>le fichier de sortie existe</translation>
    </message>
    <message>
        <source>%d of %d output files exist. Replace them?</source>
        <translation>%d fichiers de sortie sur %d existent déjà. Les remplacer ?</translation>
    </message>
    <message>
        <source>These dropped files were left out:</source>
        <translation>Ces fichiers déposés ont été écartés :</translation>
    </message>
    <message>
        <source>%s: a name too long for a path</source>
        <translation>%s : un nom trop long pour un chemin</translation>
    </message>
    <message>
        <source>%s: not a file that can be opened</source>
        <translation>%s : pas un fichier qui puisse être ouvert</translation>
    </message>
    <message>
        <source>%s: not a video file</source>
        <translation>%s : pas un fichier vidéo</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %s ,
Please launch your web browser and input the URL manually.</source>
        <translation>Le programme n’a pas pu lancer votre navigateur pour ouvrir %s.
Veuillez lancer votre navigateur et saisir l’adresse vous-même.</translation>
    </message>
    <message>
        <source>Contact: %s</source>
        <translation>Contact : %s</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1</source>
        <comment>the help window&apos;s title: the page&apos;s title, and a note that the help is in English</comment>
        <translation>%1 – aide disponible en anglais seulement</translation>
    </message>
</context>
</TS>
