<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Polymetra</name>
    <message>
        <source>About Polymetra</source>
        <translation>À propos de Polymetra</translation>
    </message>
    <message>
        <source>A geometry calculator for plane figures and solids.</source>
        <translation>Une calculatrice de géométrie pour les figures planes et les solides.</translation>
    </message>
    <message>
        <source>MIT Licence</source>
        <translation>Licence MIT</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>The licence text is missing.</source>
        <translation>Le texte de la licence est manquant.</translation>
    </message>
    <message>
        <source>The %1 tape has new entries since it was cleared, so the cleared entries were not put back.</source>
        <translation>La bande « %1 » a reçu de nouvelles entrées depuis son effacement ; les entrées effacées n’ont donc pas été rétablies.</translation>
    </message>
    <message>
        <source>No shape is on show.</source>
        <translation>Aucune forme n’est affichée.</translation>
    </message>
    <message>
        <source>Only a plane figure can be drawn; a solid is drawn as its net.</source>
        <translation>Seule une figure plane peut être dessinée ; un solide est dessiné sous forme de patron.</translation>
    </message>
    <message>
        <source>The shape on show has no net.</source>
        <translation>La forme affichée n’a pas de patron.</translation>
    </message>
    <message>
        <source>Only a solid has a wireframe.</source>
        <translation>Seul un solide a une vue en fil de fer.</translation>
    </message>
    <message>
        <source>Calculate the shape first: a drawing needs a solved shape.</source>
        <translation>Calculez d’abord la forme : un dessin nécessite une forme résolue.</translation>
    </message>
    <message>
        <source>The solved values make no figure that can be drawn.</source>
        <translation>Les valeurs calculées ne donnent aucune figure dessinable.</translation>
    </message>
    <message>
        <source>There is no figure to draw.</source>
        <translation>Il n’y a aucune figure à dessiner.</translation>
    </message>
    <message>
        <source>The drawing could not be exported to %1: %2</source>
        <translation>Le dessin n’a pas pu être exporté vers %1 : %2</translation>
    </message>
    <message>
        <source>The drawing could not be printed: %1</source>
        <translation>Le dessin n’a pas pu être imprimé : %1</translation>
    </message>
    <message>
        <source>no solid is on show</source>
        <translation>aucun solide n’est affiché</translation>
    </message>
    <message>
        <source>the solid view has no OpenGL surface to draw with</source>
        <translation>la vue du solide n’a pas de surface OpenGL pour dessiner</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l’image n’a pas pu être encodée</translation>
    </message>
    <message>
        <source>The picture could not be exported to %1: %2</source>
        <translation>L’image n’a pas pu être exportée vers %1 : %2</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l’image</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Drawing</source>
        <translation>Exporter le dessin</translation>
    </message>
    <message>
        <source>Print Drawing</source>
        <translation>Imprimer le dessin</translation>
    </message>
    <message>
        <source>Net, to cut out and fold</source>
        <translation>Patron, à découper et plier</translation>
    </message>
    <message>
        <source>Wireframe of the view</source>
        <translation>Fil de fer de la vue</translation>
    </message>
    <message>
        <source>Picture of the view (PNG)</source>
        <translation>Image de la vue (PNG)</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Dessin :</translation>
    </message>
    <message>
        <source>× the window</source>
        <translation>× la fenêtre</translation>
    </message>
    <message>
        <source>Picture resolution:</source>
        <translation>Résolution de l’image :</translation>
    </message>
    <message>
        <source>One unit of length is:</source>
        <translation>Une unité de longueur vaut :</translation>
    </message>
    <message>
        <source>True size (1:1)</source>
        <translation>Taille réelle (1:1)</translation>
    </message>
    <message>
        <source>Fit the paper (1:10, 1:100, 10:1, …)</source>
        <translation>Adapter au papier (1:10, 1:100, 10:1, …)</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Échelle :</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier :</translation>
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
        <source>Cu&amp;t</source>
        <translation>&amp;Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Undo Clear Tape</source>
        <translation>&amp;Annuler l’effacement de la bande</translation>
    </message>
    <message>
        <source>&amp;Undo Remove Entry</source>
        <translation>&amp;Annuler la suppression de l’entrée</translation>
    </message>
    <message>
        <source>The entry has no given values to use.</source>
        <translation>L’entrée ne contient aucune valeur donnée à utiliser.</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>The tape %1 could not be opened: %2</source>
        <translation>La bande %1 n’a pas pu être ouverte : %2</translation>
    </message>
    <message>
        <source>it is not a tape (RTF) file</source>
        <translation>ce n’est pas un fichier de bande (RTF)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>Polymetra Help</source>
        <translation>Aide de Polymetra</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>Tape files (&quot;Cone Tape&quot;) or shape files (&quot;Polymetra Cone&quot;) to open.</source>
        <translation>Fichiers de bande (« Cône Bande ») ou de forme (« Polymetra Cône ») à ouvrir.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[fichiers...]</translation>
    </message>
    <message>
        <source>polymetra: no display found. Start it from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY.</source>
        <translation>polymetra : aucun écran trouvé. Lancez-le depuis une session de bureau, ou définissez DISPLAY (X11) ou WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Export Drawing…</source>
        <translation>&amp;Exporter le dessin…</translation>
    </message>
    <message>
        <source>P&amp;rint Drawing…</source>
        <translation>&amp;Imprimer le dessin…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Copy &amp;Results</source>
        <translation>Copier les ré&amp;sultats</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Info Panel</source>
        <translation>Panneau &amp;Info</translation>
    </message>
    <message>
        <source>&amp;Tape Panel</source>
        <translation>Panneau &amp;Bande</translation>
    </message>
    <message>
        <source>&amp;Graphics Panel</source>
        <translation>Panneau &amp;Graphiques</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>F&amp;orme</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Bande</translation>
    </message>
    <message>
        <source>&amp;Clear Tape</source>
        <translation>&amp;Effacer la bande</translation>
    </message>
    <message>
        <source>Clear &amp;All Tapes…</source>
        <translation>Effacer &amp;toutes les bandes…</translation>
    </message>
    <message>
        <source>&amp;Export Tape…</source>
        <translation>E&amp;xporter la bande…</translation>
    </message>
    <message>
        <source>&amp;Print Tape…</source>
        <translation>&amp;Imprimer la bande…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Polymetra &amp;Help</source>
        <translation>&amp;Aide de Polymetra</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>Rechercher des &amp;mises à jour…</translation>
    </message>
    <message>
        <source>&amp;About Polymetra</source>
        <translation>À &amp;propos de Polymetra</translation>
    </message>
    <message>
        <source>Clear all tapes when Polymetra quits</source>
        <translation>Effacer toutes les bandes à la fermeture de Polymetra</translation>
    </message>
    <message>
        <source>Check for updates at launch</source>
        <translation>Rechercher les mises à jour au démarrage</translation>
    </message>
    <message>
        <source>Fade the 3D grid</source>
        <translation>Estomper la grille 3D</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Décimales :</translation>
    </message>
    <message>
        <source>Tape panel edge:</source>
        <translation>Bord du panneau Bande :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapèze</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallélogramme</translation>
    </message>
    <message>
        <source>Regular Polygon</source>
        <translation>Polygone régulier</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Pavé droit</translation>
    </message>
    <message>
        <source>Triangular Prism</source>
        <translation>Prisme triangulaire</translation>
    </message>
    <message>
        <source>Trapezoidal Prism</source>
        <translation>Prisme trapézoïdal</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cylindre</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cône</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Sphère</translation>
    </message>
    <message>
        <source>&amp;Previous Shape</source>
        <translation>Forme &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Shape</source>
        <translation>Forme &amp;suivante</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>A support file could not be written: %1.</source>
        <translation>Un fichier annexe n’a pas pu être écrit : %1.</translation>
    </message>
    <message>
        <source>%1 support files could not be written, the first: %2.</source>
        <translation>%1 fichiers annexes n’ont pas pu être écrits, le premier : %2.</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>le dossier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>There are no results to copy: the fields are empty.</source>
        <translation>Il n’y a aucun résultat à copier : les champs sont vides.</translation>
    </message>
    <message>
        <source>there is nothing to write</source>
        <translation>il n’y a rien à écrire</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>La bande n’a pas pu être exportée vers %1 : %2</translation>
    </message>
    <message>
        <source>The tape could not be printed: the printer failed.</source>
        <translation>La bande n’a pas pu être imprimée : l’imprimante a échoué.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV pour tableurs (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Page HTML (*.html)</translation>
    </message>
    <message>
        <source>Rich text, the tape file (*.rtf)</source>
        <translation>Texte enrichi, le fichier de bande (*.rtf)</translation>
    </message>
    <message>
        <source>Export Tape</source>
        <translation>Exporter la bande</translation>
    </message>
    <message>
        <source>There is no such entry on the tape.</source>
        <translation>Cette entrée n’existe pas sur la bande.</translation>
    </message>
    <message>
        <source>The tape&apos;s shape has no calculator.</source>
        <translation>La forme de la bande n’a pas de calcul.</translation>
    </message>
    <message>
        <source>The entry&apos;s values cannot be used: %1</source>
        <translation>Les valeurs de l’entrée ne peuvent pas être utilisées : %1</translation>
    </message>
    <message>
        <source>The %1 tape cannot be changed: its file could not be read.</source>
        <translation>La bande « %1 » ne peut pas être modifiée : son fichier n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The tape has changed since the entry was removed, so it was not put back.</source>
        <translation>La bande a changé depuis la suppression de l’entrée ; celle-ci n’a donc pas été rétablie.</translation>
    </message>
    <message>
        <source>Use These Values</source>
        <translation>Utiliser ces valeurs</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Copier l’entrée</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Supprimer l’entrée</translation>
    </message>
    <message>
        <source>Undo Remove Entry</source>
        <translation>Annuler la suppression de l’entrée</translation>
    </message>
    <message>
        <source>Clear all tapes!</source>
        <translation>Effacer toutes les bandes !</translation>
    </message>
    <message>
        <source>Are you aure you want to clear all tapes? This can not be undone.</source>
        <translation>Voulez-vous vraiment effacer toutes les bandes ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Clear all tapes</source>
        <translation>Effacer toutes les bandes</translation>
    </message>
    <message>
        <source>These tapes could not be removed and are kept as they are: %1.</source>
        <translation>Ces bandes n’ont pas pu être supprimées et restent telles quelles : %1.</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Effacer la bande</translation>
    </message>
    <message>
        <source>Checking for Updates</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Checking for a new version of Polymetra…</source>
        <translation>Recherche d’une nouvelle version de Polymetra…</translation>
    </message>
    <message>
        <source>This copy of Polymetra was built without an update server, so it cannot check for updates.</source>
        <translation>Cette copie de Polymetra a été compilée sans serveur de mises à jour ; elle ne peut donc pas en rechercher.</translation>
    </message>
    <message>
        <source>Not connected to the Internet!</source>
        <translation>Pas de connexion à Internet !</translation>
    </message>
    <message>
        <source>You require an active Internet connection to be able to check for updates.</source>
        <translation>Une connexion Internet active est nécessaire pour rechercher des mises à jour.</translation>
    </message>
    <message>
        <source>Your version of Polymetra is up to date</source>
        <translation>Votre version de Polymetra est à jour</translation>
    </message>
    <message>
        <source>You have the most recent version of Polymetra.<byte value="xd"/>Version %@.<byte value="xd"/>Please check again later.</source>
        <translation>Vous avez la version la plus récente de Polymetra.<byte value="xd"/>Version %@.<byte value="xd"/>Veuillez vérifier de nouveau plus tard.</translation>
    </message>
    <message>
        <source>A new version %@ of Polymetra is available.<byte value="xd"/>You are currently running version %@.<byte value="xd"/>Would you like to download the new version now?</source>
        <translation>Une nouvelle version %@ de Polymetra est disponible.<byte value="xd"/>Vous utilisez actuellement la version %@.<byte value="xd"/>Voulez-vous télécharger la nouvelle version maintenant ?</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Une nouvelle version est disponible</translation>
    </message>
    <message>
        <source>Tell me more…</source>
        <translation>En savoir plus…</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>An area, in square units of length.</source>
        <translation>Une aire, en unités de longueur au carré.</translation>
    </message>
    <message>
        <source>A volume, in cubic units of length.</source>
        <translation>Un volume, en unités de longueur au cube.</translation>
    </message>
    <message>
        <source>An angle, in degrees.</source>
        <translation>Un angle, en degrés.</translation>
    </message>
    <message>
        <source>The number of sides, a whole number.</source>
        <translation>Le nombre de côtés, un nombre entier.</translation>
    </message>
    <message>
        <source>The polygon&apos;s name, shown once calculated.</source>
        <translation>Le nom du polygone, affiché une fois calculé.</translation>
    </message>
    <message>
        <source>A length, in any unit used for all lengths.</source>
        <translation>Une longueur, dans une unité quelconque commune à toutes les longueurs.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>il dépasse %1 Mio</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Calculates the other values from those you typed (Return).</source>
        <translation>Calcule les autres valeurs à partir de celles saisies (Entrée).</translation>
    </message>
    <message>
        <source>Clears the values (Return once calculated).
Shift-click keeps the values you gave.</source>
        <translation>Efface les valeurs (Entrée une fois le calcul fait).
Maj-clic conserve les valeurs données.</translation>
    </message>
    <message>
        <source>Can&apos;t compute!</source>
        <translation>Calcul impossible !</translation>
    </message>
    <message>
        <source> (given)</source>
        <translation> (valeur donnée)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n’a pas pu être créé</translation>
    </message>
    <message>
        <source>too many unreadable copies are kept beside it</source>
        <translation>trop de copies illisibles sont conservées à côté</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is not an RTF document</source>
        <translation>ce n’est pas un document RTF</translation>
    </message>
    <message>
        <source>The %1 tape could not be read (%2). It was moved to %3 and a new tape was started.</source>
        <translation>La bande « %1 » n’a pas pu être lue (%2). Elle a été déplacée vers %3 et une nouvelle bande a été commencée.</translation>
    </message>
    <message>
        <source>The %1 tape could not be read (%2) nor moved aside (%3). %4 is left as it is, and this tape will not be saved.</source>
        <translation>La bande « %1 » n’a pu être ni lue (%2) ni mise de côté (%3). %4 reste tel quel et cette bande ne sera pas enregistrée.</translation>
    </message>
    <message>
        <source>the tape view holds another tape</source>
        <translation>la vue de bande contient une autre bande</translation>
    </message>
    <message>
        <source>its unreadable file is still in place</source>
        <translation>son fichier illisible est toujours en place</translation>
    </message>
    <message>
        <source>The %1 tape could not be saved to %2: %3.</source>
        <translation>La bande « %1 » n’a pas pu être enregistrée dans %2 : %3.</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, valeur donnée</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Détail des calculs</translation>
    </message>
    <message>
        <source>Shows how the results were found</source>
        <translation>Montre comment les résultats ont été obtenus</translation>
    </message>
    <message>
        <source>Copies the working as plain text</source>
        <translation>Copie le détail des calculs en texte brut</translation>
    </message>
    <message>
        <source>Calculate to see how each result is found.</source>
        <translation>Calculez pour voir comment chaque résultat est obtenu.</translation>
    </message>
    <message>
        <source>Given: %1</source>
        <translation>Données : %1</translation>
    </message>
    <message>
        <source>Any number of sides</source>
        <translation>Nombre quelconque de côtés</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentagone</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>rayon</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>diamètre</translation>
    </message>
    <message>
        <source>circumference</source>
        <translation>périmètre</translation>
    </message>
    <message>
        <source>Radius:</source>
        <translation>Rayon :</translation>
    </message>
    <message>
        <source>
Radius: </source>
        <translation>
Rayon : </translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diamètre :</translation>
    </message>
    <message>
        <source>
Diameter: </source>
        <translation>
Diamètre : </translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Aire :</translation>
    </message>
    <message>
        <source>
Area: </source>
        <translation>
Aire : </translation>
    </message>
    <message>
        <source>Circumference:</source>
        <translation>Périmètre :</translation>
    </message>
    <message>
        <source>
Circumference: </source>
        <translation>
Périmètre : </translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>Radius a:</source>
        <translation>Rayon a :</translation>
    </message>
    <message>
        <source>
Radius a: </source>
        <translation>
Rayon a : </translation>
    </message>
    <message>
        <source>Radius b:</source>
        <translation>Rayon b :</translation>
    </message>
    <message>
        <source>
Radius b: </source>
        <translation>
Rayon b : </translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Side a:</source>
        <translation>Côté a :</translation>
    </message>
    <message>
        <source>
Side a: </source>
        <translation>
Côté a : </translation>
    </message>
    <message>
        <source>Side b:</source>
        <translation>Côté b :</translation>
    </message>
    <message>
        <source>
Side b: </source>
        <translation>
Côté b : </translation>
    </message>
    <message>
        <source>Angle A:</source>
        <translation>Angle A :</translation>
    </message>
    <message>
        <source>
Angle a: </source>
        <translation>
Angle a : </translation>
    </message>
    <message>
        <source>Angle B:</source>
        <translation>Angle B :</translation>
    </message>
    <message>
        <source>
Angle b: </source>
        <translation>
Angle b : </translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>
Height: </source>
        <translation>
Hauteur : </translation>
    </message>
    <message>
        <source>Perimeter:</source>
        <translation>Périmètre :</translation>
    </message>
    <message>
        <source>
Perimeter: </source>
        <translation>
Périmètre : </translation>
    </message>
    <message>
        <source>side</source>
        <translation>côté</translation>
    </message>
    <message>
        <source>radius a</source>
        <translation>rayon a</translation>
    </message>
    <message>
        <source>radius b</source>
        <translation>rayon b</translation>
    </message>
    <message>
        <source>Equilateral Triangle</source>
        <translation>Triangle équilatéral</translation>
    </message>
    <message>
        <source>Side:</source>
        <translation>Côté :</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <source>
Side: </source>
        <translation>
Côté : </translation>
    </message>
    <message>
        <source>
Angle: </source>
        <translation>
Angle : </translation>
    </message>
    <message>
        <source>Number of sides:</source>
        <translation>Nombre de côtés :</translation>
    </message>
    <message>
        <source>
Number of Sides: </source>
        <translation>
Nombre de côtés : </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>
Name: </source>
        <translation>
Nom : </translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Side c:</source>
        <translation>Côté c :</translation>
    </message>
    <message>
        <source>
Side c: </source>
        <translation>
Côté c : </translation>
    </message>
    <message>
        <source>Side d:</source>
        <translation>Côté d :</translation>
    </message>
    <message>
        <source>
Side d: </source>
        <translation>
Côté d : </translation>
    </message>
    <message>
        <source>Angle C:</source>
        <translation>Angle C :</translation>
    </message>
    <message>
        <source>
Angle c: </source>
        <translation>
Angle c : </translation>
    </message>
    <message>
        <source>Angle D:</source>
        <translation>Angle D :</translation>
    </message>
    <message>
        <source>
Angle d: </source>
        <translation>
Angle d : </translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Slant Height:</source>
        <translation>Génératrice :</translation>
    </message>
    <message>
        <source>
Slant Height: </source>
        <translation>
Génératrice : </translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
    </message>
    <message>
        <source>
Volume: </source>
        <translation>
Volume : </translation>
    </message>
    <message>
        <source>Surface:</source>
        <translation>Aire totale :</translation>
    </message>
    <message>
        <source>
Surface: </source>
        <translation>
Aire totale : </translation>
    </message>
    <message>
        <source>xy Plane</source>
        <translation>Plan xy</translation>
    </message>
    <message>
        <source>xz Plane</source>
        <translation>Plan xz</translation>
    </message>
    <message>
        <source>zy Plane</source>
        <translation>Plan zy</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Shows the x, y and z axes.</source>
        <translation>Affiche les axes x, y et z.</translation>
    </message>
    <message>
        <source>Shows a grid in this plane, spaced as the scale label says.</source>
        <translation>Affiche une grille dans ce plan, espacée comme l’indique l’échelle.</translation>
    </message>
    <message>
        <source>Solids cannot be drawn here: OpenGL is not available.</source>
        <translation>Les solides ne peuvent pas être dessinés ici : OpenGL n’est pas disponible.</translation>
    </message>
    <message>
        <source>Scale </source>
        <translation>Échelle </translation>
    </message>
    <message>
        <source>Polymetra drawing</source>
        <translation>Dessin Polymetra</translation>
    </message>
    <message>
        <source>the drawing could not be rendered</source>
        <translation>le dessin n’a pas pu être rendu</translation>
    </message>
    <message>
        <source>Check line: 10 cm. Page %1 of %2 (row %3, column %4).</source>
        <translation>Ligne de contrôle : 10 cm. Page %1 sur %2 (rangée %3, colonne %4).</translation>
    </message>
    <message>
        <source>The drawing needs more than %1 pages at %2; choose a smaller scale.</source>
        <translation>Le dessin nécessite plus de %1 pages à l’échelle %2 ; choisissez une échelle plus petite.</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>l’imprimante n’a pas pu être démarrée</translation>
    </message>
    <message>
        <source>the printer took no further page</source>
        <translation>l’imprimante n’a accepté aucune page de plus</translation>
    </message>
    <message>
        <source>the printer stopped</source>
        <translation>l’imprimante s’est arrêtée</translation>
    </message>
    <message>
        <source>At %1 the drawing is %2 × %3 mm, larger than a page can be; choose a smaller scale.</source>
        <translation>À l’échelle %1, le dessin mesure %2 × %3 mm, plus qu’une page ne peut contenir ; choisissez une échelle plus petite.</translation>
    </message>
    <message>
        <source>The result is too large to be calculated.<byte value="xd"/>Please try again with smaller values.</source>
        <translation>Le résultat est trop grand pour être calculé.<byte value="xd"/>Veuillez réessayer avec des valeurs plus petites.</translation>
    </message>
    <message>
        <source>These values do not make a shape.<byte value="xd"/>Please try again with different values.</source>
        <translation>Ces valeurs ne forment aucune figure.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>The value of %1 is not a number of 0 or more.<byte value="xd"/>Please correct it and try again.</source>
        <translation>La valeur de %1 n’est pas un nombre supérieur ou égal à 0.<byte value="xd"/>Veuillez la corriger et réessayer.</translation>
    </message>
    <message>
        <source>The value of %1 is too large to be counted exactly.<byte value="xd"/>Please enter a whole number up to 9007199254740992.</source>
        <translation>La valeur de %1 est trop grande pour être comptée exactement.<byte value="xd"/>Veuillez saisir un nombre entier jusqu’à 9007199254740992.</translation>
    </message>
    <message>
        <source>Not enough parameters to complete the calculations.<byte value="xd"/>Please enter more values.</source>
        <translation>Pas assez de paramètres pour effectuer les calculs.<byte value="xd"/>Veuillez saisir davantage de valeurs.</translation>
    </message>
    <message>
        <source>2·{r}</source>
        <translation>2·{r}</translation>
    </message>
    <message>
        <source>2·π·{r}</source>
        <translation>2·π·{r}</translation>
    </message>
    <message>
        <source>π·{r}²</source>
        <translation>π·{r}²</translation>
    </message>
    <message>
        <source>{d}/2</source>
        <translation>{d}/2</translation>
    </message>
    <message>
        <source>√({S}/π)</source>
        <translation>√({S}/π)</translation>
    </message>
    <message>
        <source>{C}/(2·π)</source>
        <translation>{C}/(2·π)</translation>
    </message>
    <message>
        <source>2·π·√(({a}² + {b}²)/2)</source>
        <translation>2·π·√(({a}² + {b}²)/2)</translation>
    </message>
    <message>
        <source>{S}/(π·{b})</source>
        <translation>{S}/(π·{b})</translation>
    </message>
    <message>
        <source>π·{a}·{b}</source>
        <translation>π·{a}·{b}</translation>
    </message>
    <message>
        <source>{S}/(π·{a})</source>
        <translation>{S}/(π·{a})</translation>
    </message>
    <message>
        <source>{P} ≤ 2·{x}: the perimeter must be longer than two sides</source>
        <translation>{P} ≤ 2·{x} : le périmètre doit dépasser deux côtés</translation>
    </message>
    <message>
        <source>({P} − 2·{x})/2</source>
        <translation>({P} − 2·{x})/2</translation>
    </message>
    <message>
        <source>{a}·{h}</source>
        <translation>{a}·{h}</translation>
    </message>
    <message>
        <source>{S}/{a}</source>
        <translation>{S}/{a}</translation>
    </message>
    <message>
        <source>2·{a} + 2·{b}</source>
        <translation>2·{a} + 2·{b}</translation>
    </message>
    <message>
        <source>Any angle in a parallelogram has to be smaller than 180 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Tout angle d’un parallélogramme doit être inférieur à 180 degrés.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that the Perimeter is greater than two times Side a (&gt; %@ units).</source>
        <translation>Veillez à ce que le périmètre soit supérieur au double du côté a (&gt; %@ unités).</translation>
    </message>
    <message>
        <source>Please make sure that the Perimeter is greater than two times Side b (&gt; %@ units).</source>
        <translation>Veillez à ce que le périmètre soit supérieur au double du côté b (&gt; %@ unités).</translation>
    </message>
    <message>
        <source>{a}·{b}</source>
        <translation>{a}·{b}</translation>
    </message>
    <message>
        <source>({P} − 2·{a})/2</source>
        <translation>({P} − 2·{a})/2</translation>
    </message>
    <message>
        <source>{S}/{b}</source>
        <translation>{S}/{b}</translation>
    </message>
    <message>
        <source>({P} − 2·{b})/2</source>
        <translation>({P} − 2·{b})/2</translation>
    </message>
    <message>
        <source>{s}/(2·sin(180°/{n}))</source>
        <translation>{s}/(2·sin(180°/{n}))</translation>
    </message>
    <message>
        <source>{s}/(2·tan(180°/{n}))</source>
        <translation>{s}/(2·tan(180°/{n}))</translation>
    </message>
    <message>
        <source>tan(180°/{n})·{n}·{r}²</source>
        <translation>tan(180°/{n})·{n}·{r}²</translation>
    </message>
    <message>
        <source>{n}·{s}</source>
        <translation>{n}·{s}</translation>
    </message>
    <message>
        <source>2·{R}·sin(180°/{n})</source>
        <translation>2·{R}·sin(180°/{n})</translation>
    </message>
    <message>
        <source>2·{r}·tan(180°/{n})</source>
        <translation>2·{r}·tan(180°/{n})</translation>
    </message>
    <message>
        <source>√({A}/{n}/tan(180°/{n}))</source>
        <translation>√({A}/{n}/tan(180°/{n}))</translation>
    </message>
    <message>
        <source>tan(180°/{n})·2·{r}</source>
        <translation>tan(180°/{n})·2·{r}</translation>
    </message>
    <message>
        <source>{P}/{n}</source>
        <translation>{P}/{n}</translation>
    </message>
    <message>
        <source>({n} − 2)/{n}·180°</source>
        <translation>({n} − 2)/{n}·180°</translation>
    </message>
    <message>
        <source>A regular polygon has a whole number of sides, 3 or more</source>
        <translation>Un polygone régulier a un nombre entier de côtés, 3 ou plus</translation>
    </message>
    <message>
        <source>n = {n}: a regular polygon has a whole number of sides, 3 or more</source>
        <translation>n = {n} : un polygone régulier a un nombre entier de côtés, 3 ou plus</translation>
    </message>
    <message>
        <source>A polygon has at least 3 sides.<byte value="xd"/>Please try again with different values.</source>
        <translation>Un polygone a au moins 3 côtés.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>{a}²</source>
        <translation>{a}²</translation>
    </message>
    <message>
        <source>4·{a}</source>
        <translation>4·{a}</translation>
    </message>
    <message>
        <source>√{S}</source>
        <translation>√{S}</translation>
    </message>
    <message>
        <source>{P}/4</source>
        <translation>{P}/4</translation>
    </message>
    <message>
        <source>({a} + {c})/2·{h}</source>
        <translation>({a} + {c})/2·{h}</translation>
    </message>
    <message>
        <source>{a} + {b} + {c} + {d}</source>
        <translation>{a} + {b} + {c} + {d}</translation>
    </message>
    <message>
        <source>Any angle in a trapezium must be smaller than 180 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Tout angle d’un trapèze doit être inférieur à 180 degrés.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Side d is smaller than %@ units.</source>
        <translation>Ce n’est pas un trapèze valide.<byte value="xd"/>Veillez à ce que le côté d soit inférieur à %@ unités.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Side b is smaller than %@ units.</source>
        <translation>Ce n’est pas un trapèze valide.<byte value="xd"/>Veillez à ce que le côté b soit inférieur à %@ unités.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Height is smaller than %@ units.</source>
        <translation>Ce n’est pas un trapèze valide.<byte value="xd"/>Veillez à ce que la hauteur soit inférieure à %@ unités.</translation>
    </message>
    <message>
        <source>acos(({y}² + {z}² − {x}²)/(2·{y}·{z}))</source>
        <translation>arccos(({y}² + {z}² − {x}²)/(2·{y}·{z}))</translation>
    </message>
    <message>
        <source>acos(({y}² − {r}² − {z}²)/(−2·{r}·{z}))</source>
        <translation>arccos(({y}² − {r}² − {z}²)/(−2·{r}·{z}))</translation>
    </message>
    <message>
        <source>{x} + {y} ≤ {z}: no triangle has these sides</source>
        <translation>{x} + {y} ≤ {z} : aucun triangle n’a ces côtés</translation>
    </message>
    <message>
        <source>2·{S}/{a}</source>
        <translation>2·{S}/{a}</translation>
    </message>
    <message>
        <source>{a} + {b} + {c}</source>
        <translation>{a} + {b} + {c}</translation>
    </message>
    <message>
        <source>The sum of the angles in a triangle can&apos;t exceed 180 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>La somme des angles d’un triangle ne peut pas dépasser 180 degrés.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side b and Side c is greater than Side a (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que la somme des côtés b et c soit supérieure au côté a (&gt; %@ unités).<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side a and Side c is greater than Side b (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que la somme des côtés a et c soit supérieure au côté b (&gt; %@ unités).<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side a and Side b is greater than Side c (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que la somme des côtés a et b soit supérieure au côté c (&gt; %@ unités).<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that the Angle given is the one opposite the larger side.<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que l’angle donné soit celui opposé au plus grand côté.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that Angle A is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que l’angle A soit inférieur à 90 degrés.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that Angle B is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que l’angle B soit inférieur à 90 degrés.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that Angle C is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que l’angle C soit inférieur à 90 degrés.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>1/3·π·{r}²·{h}</source>
        <translation>1/3·π·{r}²·{h}</translation>
    </message>
    <message>
        <source>π·{r}·{s} + π·{r}²</source>
        <translation>π·{r}·{s} + π·{r}²</translation>
    </message>
    <message>
        <source>√({h}² + {r}²)</source>
        <translation>√({h}² + {r}²)</translation>
    </message>
    <message>
        <source>{s} ≤ {r}: the slant height must be longer than the radius</source>
        <translation>{s} ≤ {r} : la génératrice doit être plus longue que le rayon</translation>
    </message>
    <message>
        <source>√({s}² − {r}²)</source>
        <translation>√({s}² − {r}²)</translation>
    </message>
    <message>
        <source>{s} ≤ {h}: the slant height must be longer than the height</source>
        <translation>{s} ≤ {h} : la génératrice doit être plus longue que la hauteur</translation>
    </message>
    <message>
        <source>√({s}² − {h}²)</source>
        <translation>√({s}² − {h}²)</translation>
    </message>
    <message>
        <source>3·{V}/(π·{r}²)</source>
        <translation>3·{V}/(π·{r}²)</translation>
    </message>
    <message>
        <source>√(3·{V}/(π·{h}))</source>
        <translation>√(3·{V}/(π·{h}))</translation>
    </message>
    <message>
        <source>Please make sure that the Slant Height is greater than the Radius (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que la génératrice soit supérieure au rayon (&gt; %@ unités).<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>Please make sure that the Slant Height is greater than the Height (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que la génératrice soit supérieure à la hauteur (&gt; %@ unités).<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>2·π·{r}·{h} + 2·π·{r}²</source>
        <translation>2·π·{r}·{h} + 2·π·{r}²</translation>
    </message>
    <message>
        <source>π·{r}²·{h}</source>
        <translation>π·{r}²·{h}</translation>
    </message>
    <message>
        <source>{V}/(π·{r}²)</source>
        <translation>{V}/(π·{r}²)</translation>
    </message>
    <message>
        <source>2·π·{r}² = {B} ≥ {S}: the two bases leave no area for the side</source>
        <translation>2·π·{r}² = {B} ≥ {S} : les deux bases ne laissent aucune aire pour la surface latérale</translation>
    </message>
    <message>
        <source>({S} − 2·π·{r}²)/(2·π·{r})</source>
        <translation>({S} − 2·π·{r}²)/(2·π·{r})</translation>
    </message>
    <message>
        <source>√({V}/(π·{h}))</source>
        <translation>√({V}/(π·{h}))</translation>
    </message>
    <message>
        <source>Please make sure that the Surface is greater than the sum of the two base areas (&gt; %@ square units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que l’aire totale soit supérieure à la somme des aires des deux bases (&gt; %@ unités carrées).<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>{a}·√(({b}/2)² + {h}²) + {b}·√(({a}/2)² + {h}²) + {a}·{b}</source>
        <translation>{a}·√(({b}/2)² + {h}²) + {b}·√(({a}/2)² + {h}²) + {a}·{b}</translation>
    </message>
    <message>
        <source>3·{V}/({x}·{y})</source>
        <translation>3·{V}/({x}·{y})</translation>
    </message>
    <message>
        <source>{a}·{b}·{h}/3</source>
        <translation>{a}·{b}·{h}/3</translation>
    </message>
    <message>
        <source>2·({a}·{b} + {a}·{h} + {b}·{h})</source>
        <translation>2·({a}·{b} + {a}·{h} + {b}·{h})</translation>
    </message>
    <message>
        <source>{a}·{b}·{h}</source>
        <translation>{a}·{b}·{h}</translation>
    </message>
    <message>
        <source>{V}/({x}·{y})</source>
        <translation>{V}/({x}·{y})</translation>
    </message>
    <message>
        <source>2·{x}·{y} ≥ {S}: those two faces leave no area for the others</source>
        <translation>2·{x}·{y} ≥ {S} : ces deux faces ne laissent aucune aire pour les autres</translation>
    </message>
    <message>
        <source>({S}/2 − {x}·{y})/({x} + {y})</source>
        <translation>({S}/2 − {x}·{y})/({x} + {y})</translation>
    </message>
    <message>
        <source>Please make sure that the Surface is greater than the sum of the two side areas (&gt; %@ square units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que l’aire totale soit supérieure à la somme des aires des deux faces latérales (&gt; %@ unités carrées).<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>4/3·π·{r}³</source>
        <translation>4/3·π·{r}³</translation>
    </message>
    <message>
        <source>4·π·{r}²</source>
        <translation>4·π·{r}²</translation>
    </message>
    <message>
        <source>∛(3·{V}/(4·π))</source>
        <translation>∛(3·{V}/(4·π))</translation>
    </message>
    <message>
        <source>√({S}/(4·π))</source>
        <translation>√({S}/(4·π))</translation>
    </message>
    <message>
        <source>2·{V}/{h} &gt; {p}·{q}: no triangle on these two sides has so large a base</source>
        <translation>2·{V}/{h} &gt; {p}·{q} : aucun triangle sur ces deux côtés n’a une base aussi grande</translation>
    </message>
    <message>
        <source>√({p}² + {q}² − 2·{q}·{p}·√(1 − (2·{V}/{h}/({p}·{q}))²))</source>
        <translation>√({p}² + {q}² − 2·{q}·{p}·√(1 − (2·{V}/{h}/({p}·{q}))²))</translation>
    </message>
    <message>
        <source>({a} + {b} + {c})·{h} + 2·{V}/{h}</source>
        <translation>({a} + {b} + {c})·{h} + 2·{V}/{h}</translation>
    </message>
    <message>
        <source>{h}·√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/4</source>
        <translation>{h}·√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/4</translation>
    </message>
    <message>
        <source>({a} + {b} + {c})·{h} + √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2</source>
        <translation>({a} + {b} + {c})·{h} + √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2</translation>
    </message>
    <message>
        <source>4·{V}/√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))</source>
        <translation>4·{V}/√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))</translation>
    </message>
    <message>
        <source>√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2 ≥ {S}: the two bases leave no area for the sides</source>
        <translation>√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2 ≥ {S} : les deux bases ne laissent aucune aire pour les faces latérales</translation>
    </message>
    <message>
        <source>({S} − √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2)/({a} + {b} + {c})</source>
        <translation>({S} − √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2)/({a} + {b} + {c})</translation>
    </message>
    <message>
        <source>Please make sure that the Volume is not greater than %@ cubic units.<byte value="xd"/>Please try again with different values.</source>
        <translation>Veillez à ce que le volume ne dépasse pas %@ unités cubes.<byte value="xd"/>Veuillez réessayer avec d’autres valeurs.</translation>
    </message>
    <message>
        <source>The entry&apos;s value &quot;%1&quot; matches no field of the %2 calculator.</source>
        <translation>La valeur « %1 » de l’entrée ne correspond à aucun champ du calcul %2.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Takes effect the next time Polymetra starts.</source>
        <translation>Prend effet au prochain démarrage de Polymetra.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>The %1 tape was found as %2 but could not be renamed to %3 (%4). It is read from there and saved under the new name.</source>
        <translation>La bande « %1 » a été trouvée sous %2 mais n’a pas pu être renommée en %3 (%4). Elle est lue à cet endroit et enregistrée sous le nouveau nom.</translation>
    </message>
    <message>
        <source>Include working</source>
        <translation>Inclure le calcul détaillé</translation>
    </message>
    <message>
        <source>Follows each entry with the steps that found its values. The tape file itself is not changed.</source>
        <translation>Fait suivre chaque entrée des étapes qui ont donné ses valeurs. Le fichier de la bande n’est pas modifié.</translation>
    </message>
    <message>
        <source>Working:</source>
        <translation>Calcul détaillé :</translation>
    </message>
    <message>
        <source>Given: %1 → %2</source>
        <translation>Données : %1 → %2</translation>
    </message>
    <message>
        <source>two sides and an angle</source>
        <translation>deux côtés et un angle</translation>
    </message>
    <message>
        <source>a side, an angle and the height</source>
        <translation>un côté, un angle et la hauteur</translation>
    </message>
    <message>
        <source>a side, an angle and the area</source>
        <translation>un côté, un angle et l’aire</translation>
    </message>
    <message>
        <source>a side, an angle and the perimeter</source>
        <translation>un côté, un angle et le périmètre</translation>
    </message>
    <message>
        <source>{X°} ≥ 180°: an angle of a parallelogram is less than 180°</source>
        <translation>{X°} ≥ 180° : un angle de parallélogramme est inférieur à 180°</translation>
    </message>
    <message>
        <source>180° − {X°}</source>
        <translation>180° − {X°}</translation>
    </message>
    <message>
        <source>{a}·{h}/(sin {X°}·{a})</source>
        <translation>{a}·{h}/(sin {X°}·{a})</translation>
    </message>
    <message>
        <source>{S}/(sin {X°}·{x})</source>
        <translation>{S}/(sin {X°}·{x})</translation>
    </message>
    <message>
        <source>{a}·{b}·sin {X°}</source>
        <translation>{a}·{b}·sin {X°}</translation>
    </message>
    <message>
        <source>base a, a leg and an angle at each leg</source>
        <translation>la base a, un côté oblique et un angle à chaque côté oblique</translation>
    </message>
    <message>
        <source>base c, a leg and an angle at each leg</source>
        <translation>la base c, un côté oblique et un angle à chaque côté oblique</translation>
    </message>
    <message>
        <source>a base, the height and an angle at each leg</source>
        <translation>une base, la hauteur et un angle à chaque côté oblique</translation>
    </message>
    <message>
        <source>both bases, a leg and an angle</source>
        <translation>les deux bases, un côté oblique et un angle</translation>
    </message>
    <message>
        <source>both bases, the height and an angle</source>
        <translation>les deux bases, la hauteur et un angle</translation>
    </message>
    <message>
        <source>{X°} ≥ 180°: every angle of a trapezium is less than 180°</source>
        <translation>{X°} ≥ 180° : tout angle d’un trapèze est inférieur à 180°</translation>
    </message>
    <message>
        <source>{a} − ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</source>
        <translation>{a} − ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</translation>
    </message>
    <message>
        <source>{a} ≤ {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°}: the legs meet before they reach base c</source>
        <translation>{a} ≤ {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°} : les côtés obliques se coupent avant d’atteindre la base c</translation>
    </message>
    <message>
        <source>{c} + ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</source>
        <translation>{c} + ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</translation>
    </message>
    <message>
        <source>{c} + {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°} ≤ 0: the legs meet before they reach base a</source>
        <translation>{c} + {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°} ≤ 0 : les côtés obliques se coupent avant d’atteindre la base a</translation>
    </message>
    <message>
        <source>{l}·sin {X°}</source>
        <translation>{l}·sin {X°}</translation>
    </message>
    <message>
        <source>{h}/sin {X°}</source>
        <translation>{h}/sin {X°}</translation>
    </message>
    <message>
        <source>{h}/sin {B°}</source>
        <translation>{h}/sin {B°}</translation>
    </message>
    <message>
        <source>{h}/sin {A°}</source>
        <translation>{h}/sin {A°}</translation>
    </message>
    <message>
        <source>√({h}² + ({a} − {c} − {l}·cos {X°})²)</source>
        <translation>√({h}² + ({a} − {c} − {l}·cos {X°})²)</translation>
    </message>
    <message>
        <source>acos(({a} − {c} − {l}·cos {X°})/{m})</source>
        <translation>arccos(({a} − {c} − {l}·cos {X°})/{m})</translation>
    </message>
    <message>
        <source>√({h}² + ({a} − {c} − {h}·cos {X°}/sin {X°})²)</source>
        <translation>√({h}² + ({a} − {c} − {h}·cos {X°}/sin {X°})²)</translation>
    </message>
    <message>
        <source>acos(({a} − {c} − {h}·cos {X°}/sin {X°})/{m})</source>
        <translation>arccos(({a} − {c} − {h}·cos {X°}/sin {X°})/{m})</translation>
    </message>
    <message>
        <source>three sides</source>
        <translation>trois côtés</translation>
    </message>
    <message>
        <source>two angles and a side</source>
        <translation>deux angles et un côté</translation>
    </message>
    <message>
        <source>two sides and the included angle</source>
        <translation>deux côtés et l’angle compris entre eux</translation>
    </message>
    <message>
        <source>two sides and an angle facing one of them</source>
        <translation>deux côtés et un angle opposé à l’un d’eux</translation>
    </message>
    <message>
        <source>the area, side a and an angle at one end of it</source>
        <translation>l’aire, le côté a et un angle à l’une de ses extrémités</translation>
    </message>
    <message>
        <source>180° − ({X°} + {Y°})</source>
        <translation>180° − ({X°} + {Y°})</translation>
    </message>
    <message>
        <source>√({p}² + {q}² − 2·{p}·{q}·cos {X°})</source>
        <translation>√({p}² + {q}² − 2·{p}·{q}·cos {X°})</translation>
    </message>
    <message>
        <source>√(({p} − {q})² + 4·{p}·{q}·sin({X°}/2)²)</source>
        <translation>√(({p} − {q})² + 4·{p}·{q}·sin({X°}/2)²)</translation>
    </message>
    <message>
        <source>{X°} + {Y°} ≥ 180°: no angle is left for the third corner</source>
        <translation>{X°} + {Y°} ≥ 180° : il ne reste aucun angle pour le troisième sommet</translation>
    </message>
    <message>
        <source>{s}/sin {S°}·sin {X°}</source>
        <translation>{s}/sin {S°}·sin {X°}</translation>
    </message>
    <message>
        <source>{p} &lt; {q}: with the angle {X°} facing the shorter side, two triangles or none fit</source>
        <translation>{p} &lt; {q} : si l’angle {X°} est opposé au plus petit côté, deux triangles conviennent ou aucun</translation>
    </message>
    <message>
        <source>{p} = {q} and {X°} ≥ 90°: two equal sides cannot both face an angle of 90° or more</source>
        <translation>{p} = {q} et {X°} ≥ 90° : deux côtés égaux ne peuvent pas être tous deux opposés à un angle de 90° ou plus</translation>
    </message>
    <message>
        <source>asin({q}/({p}/sin {X°}))</source>
        <translation>arcsin({q}/({p}/sin {X°}))</translation>
    </message>
    <message>
        <source>{X°} + {Y°} = 180°: the triangle is flat</source>
        <translation>{X°} + {Y°} = 180° : le triangle est aplati</translation>
    </message>
    <message>
        <source>sin {Z°}·{p}/sin {X°}</source>
        <translation>sin {Z°}·{p}/sin {X°}</translation>
    </message>
    <message>
        <source>2·{S}/({a}·sin {X°})</source>
        <translation>2·{S}/({a}·sin {X°})</translation>
    </message>
    <message>
        <source>0.5·{p}·{q}·sin {X°}</source>
        <translation>0,5·{p}·{q}·sin {X°}</translation>
    </message>
    <message>
        <source>{B°} ≥ 180°: the angle B must be less than 180°</source>
        <translation>{B°} ≥ 180° : l’angle B doit être inférieur à 180°</translation>
    </message>
    <message>
        <source>√(({a} − {c} − {b}·cos {B°})² + ({b}·sin {B°})²)</source>
        <translation>√(({a} − {c} − {b}·cos {B°})² + ({b}·sin {B°})²)</translation>
    </message>
    <message>
        <source>({a} + {b} + {c} + {d})·{h} + {b}·sin {B°}·({a} + {c})</source>
        <translation>({a} + {b} + {c} + {d})·{h} + {b}·sin {B°}·({a} + {c})</translation>
    </message>
    <message>
        <source>{h}·{b}·sin {B°}·({a} + {c})/2</source>
        <translation>{h}·{b}·sin {B°}·({a} + {c})/2</translation>
    </message>
    <message>
        <source>{V}/({b}·sin {B°}·({a} + {c})/2)</source>
        <translation>{V}/({b}·sin {B°}·({a} + {c})/2)</translation>
    </message>
    <message>
        <source>{b}·sin {B°}·({a} + {c}) ≥ {S}: the two bases leave no area for the sides</source>
        <translation>{b}·sin {B°}·({a} + {c}) ≥ {S} : les deux bases ne laissent aucune aire pour les faces latérales</translation>
    </message>
    <message>
        <source>({S} − {b}·sin {B°}·({a} + {c}))/({a} + {b} + {c} + {d})</source>
        <translation>({S} − {b}·sin {B°}·({a} + {c}))/({a} + {b} + {c} + {d})</translation>
    </message>
</context>
</TS>
