<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Polymetra</name>
    <message>
        <source>About Polymetra</source>
        <translation>Über Polymetra</translation>
    </message>
    <message>
        <source>A geometry calculator for plane figures and solids.</source>
        <translation>Ein Geometrie-Rechner für ebene Figuren und Körper.</translation>
    </message>
    <message>
        <source>MIT Licence</source>
        <translation>MIT-Lizenz</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>The licence text is missing.</source>
        <translation>Der Lizenztext fehlt.</translation>
    </message>
    <message>
        <source>The %1 tape has new entries since it was cleared, so the cleared entries were not put back.</source>
        <translation>Das Protokoll „%1“ hat seit dem Leeren neue Einträge, daher wurden die gelöschten Einträge nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>No shape is on show.</source>
        <translation>Es wird keine Figur angezeigt.</translation>
    </message>
    <message>
        <source>Only a plane figure can be drawn; a solid is drawn as its net.</source>
        <translation>Nur eine ebene Figur kann gezeichnet werden; ein Körper wird als Netz gezeichnet.</translation>
    </message>
    <message>
        <source>The shape on show has no net.</source>
        <translation>Die angezeigte Figur hat kein Netz.</translation>
    </message>
    <message>
        <source>Only a solid has a wireframe.</source>
        <translation>Nur ein Körper hat ein Drahtgittermodell.</translation>
    </message>
    <message>
        <source>Calculate the shape first: a drawing needs a solved shape.</source>
        <translation>Berechnen Sie zuerst die Figur: Eine Zeichnung braucht eine berechnete Figur.</translation>
    </message>
    <message>
        <source>The solved values make no figure that can be drawn.</source>
        <translation>Die berechneten Werte ergeben keine zeichenbare Figur.</translation>
    </message>
    <message>
        <source>There is no figure to draw.</source>
        <translation>Es gibt keine Figur zum Zeichnen.</translation>
    </message>
    <message>
        <source>The drawing could not be exported to %1: %2</source>
        <translation>Die Zeichnung konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>The drawing could not be printed: %1</source>
        <translation>Die Zeichnung konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>no solid is on show</source>
        <translation>es wird kein Körper angezeigt</translation>
    </message>
    <message>
        <source>the solid view has no OpenGL surface to draw with</source>
        <translation>die Körperansicht hat keine OpenGL-Fläche zum Zeichnen</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>The picture could not be exported to %1: %2</source>
        <translation>Das Bild konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Export Drawing</source>
        <translation>Zeichnung exportieren</translation>
    </message>
    <message>
        <source>Print Drawing</source>
        <translation>Zeichnung drucken</translation>
    </message>
    <message>
        <source>Net, to cut out and fold</source>
        <translation>Netz zum Ausschneiden und Falten</translation>
    </message>
    <message>
        <source>Wireframe of the view</source>
        <translation>Drahtgittermodell der Ansicht</translation>
    </message>
    <message>
        <source>Picture of the view (PNG)</source>
        <translation>Bild der Ansicht (PNG)</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Zeichnung:</translation>
    </message>
    <message>
        <source>× the window</source>
        <translation>× das Fenster</translation>
    </message>
    <message>
        <source>Picture resolution:</source>
        <translation>Bildauflösung:</translation>
    </message>
    <message>
        <source>One unit of length is:</source>
        <translation>Eine Längeneinheit ist:</translation>
    </message>
    <message>
        <source>True size (1:1)</source>
        <translation>Originalgröße (1:1)</translation>
    </message>
    <message>
        <source>Fit the paper (1:10, 1:100, 10:1, …)</source>
        <translation>An das Papier anpassen (1:10, 1:100, 10:1, …)</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Maßstab:</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
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
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Undo Clear Tape</source>
        <translation>&amp;Rückgängig: Protokoll leeren</translation>
    </message>
    <message>
        <source>&amp;Undo Remove Entry</source>
        <translation>&amp;Rückgängig: Eintrag entfernen</translation>
    </message>
    <message>
        <source>The entry has no given values to use.</source>
        <translation>Der Eintrag enthält keine gegebenen Werte.</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>The tape %1 could not be opened: %2</source>
        <translation>Das Protokoll %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it is not a tape (RTF) file</source>
        <translation>es ist keine Protokolldatei (RTF)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Polymetra Help</source>
        <translation>Polymetra-Hilfe</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Tape files (&quot;Cone Tape&quot;) or shape files (&quot;Polymetra Cone&quot;) to open.</source>
        <translation>Zu öffnende Protokolldateien („Kegel Protokoll“) oder Figurdateien („Polymetra Kegel“).</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[Dateien...]</translation>
    </message>
    <message>
        <source>polymetra: no display found. Start it from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY.</source>
        <translation>polymetra: kein Bildschirm gefunden. Starten Sie das Programm aus einer Desktop-Sitzung oder setzen Sie DISPLAY (X11) oder WAYLAND_DISPLAY.</translation>
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
        <translation>Grafik</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Export Drawing…</source>
        <translation>Zeichnung e&amp;xportieren…</translation>
    </message>
    <message>
        <source>P&amp;rint Drawing…</source>
        <translation>Zeichnung &amp;drucken…</translation>
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
        <source>Copy &amp;Results</source>
        <translation>Er&amp;gebnisse kopieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Info Panel</source>
        <translation>&amp;Info-Bereich</translation>
    </message>
    <message>
        <source>&amp;Tape Panel</source>
        <translation>&amp;Protokoll-Bereich</translation>
    </message>
    <message>
        <source>&amp;Graphics Panel</source>
        <translation>&amp;Grafik-Bereich</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Clear Tape</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
    <message>
        <source>Clear &amp;All Tapes…</source>
        <translation>&amp;Alle Protokolle leeren…</translation>
    </message>
    <message>
        <source>&amp;Export Tape…</source>
        <translation>Protokoll &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print Tape…</source>
        <translation>Protokoll &amp;drucken…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Polymetra &amp;Help</source>
        <translation>Polymetra-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>Nach &amp;Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>&amp;About Polymetra</source>
        <translation>Ü&amp;ber Polymetra</translation>
    </message>
    <message>
        <source>Clear all tapes when Polymetra quits</source>
        <translation>Alle Protokolle beim Beenden von Polymetra leeren</translation>
    </message>
    <message>
        <source>Check for updates at launch</source>
        <translation>Beim Start nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Fade the 3D grid</source>
        <translation>3D-Gitter verblassen lassen</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Nachkommastellen:</translation>
    </message>
    <message>
        <source>Tape panel edge:</source>
        <translation>Rand des Protokoll-Bereichs:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapez</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallelogramm</translation>
    </message>
    <message>
        <source>Regular Polygon</source>
        <translation>Regelmäßiges Vieleck</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Quader</translation>
    </message>
    <message>
        <source>Triangular Prism</source>
        <translation>Dreiecksprisma</translation>
    </message>
    <message>
        <source>Trapezoidal Prism</source>
        <translation>Trapezprisma</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>&amp;Previous Shape</source>
        <translation>&amp;Vorherige Figur</translation>
    </message>
    <message>
        <source>&amp;Next Shape</source>
        <translation>&amp;Nächste Figur</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>A support file could not be written: %1.</source>
        <translation>Eine Hilfsdatei konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>%1 support files could not be written, the first: %2.</source>
        <translation>%1 Hilfsdateien konnten nicht geschrieben werden, die erste: %2.</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>There are no results to copy: the fields are empty.</source>
        <translation>Es gibt keine Ergebnisse zum Kopieren: Die Felder sind leer.</translation>
    </message>
    <message>
        <source>there is nothing to write</source>
        <translation>es gibt nichts zu schreiben</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>Das Protokoll konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>The tape could not be printed: the printer failed.</source>
        <translation>Das Protokoll konnte nicht gedruckt werden: Der Drucker hat versagt.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>HTML-Seite (*.html)</translation>
    </message>
    <message>
        <source>Rich text, the tape file (*.rtf)</source>
        <translation>Rich Text, die Protokolldatei (*.rtf)</translation>
    </message>
    <message>
        <source>Export Tape</source>
        <translation>Protokoll exportieren</translation>
    </message>
    <message>
        <source>There is no such entry on the tape.</source>
        <translation>Diesen Eintrag gibt es im Protokoll nicht.</translation>
    </message>
    <message>
        <source>The tape&apos;s shape has no calculator.</source>
        <translation>Die Figur des Protokolls hat keinen Rechner.</translation>
    </message>
    <message>
        <source>The entry&apos;s values cannot be used: %1</source>
        <translation>Die Werte des Eintrags können nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The %1 tape cannot be changed: its file could not be read.</source>
        <translation>Das Protokoll „%1“ kann nicht geändert werden: Seine Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The tape has changed since the entry was removed, so it was not put back.</source>
        <translation>Das Protokoll hat sich seit dem Entfernen des Eintrags geändert, daher wurde er nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>Use These Values</source>
        <translation>Diese Werte verwenden</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Eintrag kopieren</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>Undo Remove Entry</source>
        <translation>Eintrag entfernen rückgängig machen</translation>
    </message>
    <message>
        <source>Clear all tapes!</source>
        <translation>Alle Protokolle leeren!</translation>
    </message>
    <message>
        <source>Are you aure you want to clear all tapes? This can not be undone.</source>
        <translation>Möchten Sie wirklich alle Protokolle leeren? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Clear all tapes</source>
        <translation>Alle Protokolle leeren</translation>
    </message>
    <message>
        <source>These tapes could not be removed and are kept as they are: %1.</source>
        <translation>Diese Protokolle konnten nicht entfernt werden und bleiben unverändert: %1.</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Checking for Updates</source>
        <translation>Suche nach Aktualisierungen</translation>
    </message>
    <message>
        <source>Checking for a new version of Polymetra…</source>
        <translation>Es wird nach einer neuen Version von Polymetra gesucht…</translation>
    </message>
    <message>
        <source>This copy of Polymetra was built without an update server, so it cannot check for updates.</source>
        <translation>Diese Polymetra-Kopie wurde ohne Aktualisierungsserver erstellt und kann daher nicht nach Aktualisierungen suchen.</translation>
    </message>
    <message>
        <source>Not connected to the Internet!</source>
        <translation>Keine Verbindung zum Internet!</translation>
    </message>
    <message>
        <source>You require an active Internet connection to be able to check for updates.</source>
        <translation>Für die Suche nach Aktualisierungen ist eine aktive Internetverbindung nötig.</translation>
    </message>
    <message>
        <source>Your version of Polymetra is up to date</source>
        <translation>Ihre Polymetra-Version ist aktuell</translation>
    </message>
    <message>
        <source>You have the most recent version of Polymetra.<byte value="xd"/>Version %@.<byte value="xd"/>Please check again later.</source>
        <translation>Sie haben die neueste Version von Polymetra.<byte value="xd"/>Version %@.<byte value="xd"/>Bitte sehen Sie später wieder nach.</translation>
    </message>
    <message>
        <source>A new version %@ of Polymetra is available.<byte value="xd"/>You are currently running version %@.<byte value="xd"/>Would you like to download the new version now?</source>
        <translation>Eine neue Version %@ von Polymetra ist verfügbar.<byte value="xd"/>Sie verwenden zurzeit Version %@.<byte value="xd"/>Möchten Sie die neue Version jetzt herunterladen?</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Eine neue Version ist verfügbar</translation>
    </message>
    <message>
        <source>Tell me more…</source>
        <translation>Mehr erfahren…</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>An area, in square units of length.</source>
        <translation>Ein Flächeninhalt, in Quadrat-Längeneinheiten.</translation>
    </message>
    <message>
        <source>A volume, in cubic units of length.</source>
        <translation>Ein Volumen, in Kubik-Längeneinheiten.</translation>
    </message>
    <message>
        <source>An angle, in degrees.</source>
        <translation>Ein Winkel, in Grad.</translation>
    </message>
    <message>
        <source>The number of sides, a whole number.</source>
        <translation>Die Anzahl der Seiten, eine ganze Zahl.</translation>
    </message>
    <message>
        <source>The polygon&apos;s name, shown once calculated.</source>
        <translation>Der Name des Vielecks, angezeigt nach der Berechnung.</translation>
    </message>
    <message>
        <source>A length, in any unit used for all lengths.</source>
        <translation>Eine Länge, in einer beliebigen Einheit, die für alle Längen gilt.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Calculates the other values from those you typed (Return).</source>
        <translation>Berechnet die übrigen Werte aus den eingegebenen (Eingabetaste).</translation>
    </message>
    <message>
        <source>Clears the values (Return once calculated).
Shift-click keeps the values you gave.</source>
        <translation>Löscht die Werte (nach der Berechnung: Eingabetaste).
Umschalt-Klick behält die gegebenen Werte.</translation>
    </message>
    <message>
        <source>Can&apos;t compute!</source>
        <translation>Berechnung nicht möglich!</translation>
    </message>
    <message>
        <source> (given)</source>
        <translation> (gegeben)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>too many unreadable copies are kept beside it</source>
        <translation>daneben liegen zu viele unlesbare Kopien</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is not an RTF document</source>
        <translation>sie ist kein RTF-Dokument</translation>
    </message>
    <message>
        <source>The %1 tape could not be read (%2). It was moved to %3 and a new tape was started.</source>
        <translation>Das Protokoll „%1“ konnte nicht gelesen werden (%2). Es wurde nach %3 verschoben und ein neues Protokoll begonnen.</translation>
    </message>
    <message>
        <source>The %1 tape could not be read (%2) nor moved aside (%3). %4 is left as it is, and this tape will not be saved.</source>
        <translation>Das Protokoll „%1“ konnte weder gelesen (%2) noch beiseitegelegt werden (%3). %4 bleibt unverändert, und dieses Protokoll wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>the tape view holds another tape</source>
        <translation>die Protokollansicht enthält ein anderes Protokoll</translation>
    </message>
    <message>
        <source>its unreadable file is still in place</source>
        <translation>seine unlesbare Datei ist noch vorhanden</translation>
    </message>
    <message>
        <source>The %1 tape could not be saved to %2: %3.</source>
        <translation>Das Protokoll „%1“ konnte nicht in %2 gespeichert werden: %3.</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, gegeben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Shows how the results were found</source>
        <translation>Zeigt, wie die Ergebnisse gefunden wurden</translation>
    </message>
    <message>
        <source>Copies the working as plain text</source>
        <translation>Kopiert den Rechenweg als reinen Text</translation>
    </message>
    <message>
        <source>Calculate to see how each result is found.</source>
        <translation>Berechnen Sie, um zu sehen, wie jedes Ergebnis gefunden wird.</translation>
    </message>
    <message>
        <source>Given: %1</source>
        <translation>Gegeben: %1</translation>
    </message>
    <message>
        <source>Any number of sides</source>
        <translation>Beliebige Seitenzahl</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Fünfeck</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>circumference</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Radius:</source>
        <translation>Radius:</translation>
    </message>
    <message>
        <source>
Radius: </source>
        <translation>
Radius: </translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Durchmesser:</translation>
    </message>
    <message>
        <source>
Diameter: </source>
        <translation>
Durchmesser: </translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Flächeninhalt:</translation>
    </message>
    <message>
        <source>
Area: </source>
        <translation>
Flächeninhalt: </translation>
    </message>
    <message>
        <source>Circumference:</source>
        <translation>Umfang:</translation>
    </message>
    <message>
        <source>
Circumference: </source>
        <translation>
Umfang: </translation>
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
        <translation>Radius a:</translation>
    </message>
    <message>
        <source>
Radius a: </source>
        <translation>
Radius a: </translation>
    </message>
    <message>
        <source>Radius b:</source>
        <translation>Radius b:</translation>
    </message>
    <message>
        <source>
Radius b: </source>
        <translation>
Radius b: </translation>
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
        <translation>Seite a:</translation>
    </message>
    <message>
        <source>
Side a: </source>
        <translation>
Seite a: </translation>
    </message>
    <message>
        <source>Side b:</source>
        <translation>Seite b:</translation>
    </message>
    <message>
        <source>
Side b: </source>
        <translation>
Seite b: </translation>
    </message>
    <message>
        <source>Angle A:</source>
        <translation>Winkel A:</translation>
    </message>
    <message>
        <source>
Angle a: </source>
        <translation>
Winkel a: </translation>
    </message>
    <message>
        <source>Angle B:</source>
        <translation>Winkel B:</translation>
    </message>
    <message>
        <source>
Angle b: </source>
        <translation>
Winkel b: </translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>
Height: </source>
        <translation>
Höhe: </translation>
    </message>
    <message>
        <source>Perimeter:</source>
        <translation>Umfang:</translation>
    </message>
    <message>
        <source>
Perimeter: </source>
        <translation>
Umfang: </translation>
    </message>
    <message>
        <source>side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>radius a</source>
        <translation>Radius a</translation>
    </message>
    <message>
        <source>radius b</source>
        <translation>Radius b</translation>
    </message>
    <message>
        <source>Equilateral Triangle</source>
        <translation>Gleichseitiges Dreieck</translation>
    </message>
    <message>
        <source>Side:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Winkel:</translation>
    </message>
    <message>
        <source>
Side: </source>
        <translation>
Seite: </translation>
    </message>
    <message>
        <source>
Angle: </source>
        <translation>
Winkel: </translation>
    </message>
    <message>
        <source>Number of sides:</source>
        <translation>Anzahl der Seiten:</translation>
    </message>
    <message>
        <source>
Number of Sides: </source>
        <translation>
Anzahl der Seiten: </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>
Name: </source>
        <translation>
Name: </translation>
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
        <translation>Seite c:</translation>
    </message>
    <message>
        <source>
Side c: </source>
        <translation>
Seite c: </translation>
    </message>
    <message>
        <source>Side d:</source>
        <translation>Seite d:</translation>
    </message>
    <message>
        <source>
Side d: </source>
        <translation>
Seite d: </translation>
    </message>
    <message>
        <source>Angle C:</source>
        <translation>Winkel C:</translation>
    </message>
    <message>
        <source>
Angle c: </source>
        <translation>
Winkel c: </translation>
    </message>
    <message>
        <source>Angle D:</source>
        <translation>Winkel D:</translation>
    </message>
    <message>
        <source>
Angle d: </source>
        <translation>
Winkel d: </translation>
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
        <translation>Mantellinie:</translation>
    </message>
    <message>
        <source>
Slant Height: </source>
        <translation>
Mantellinie: </translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>
Volume: </source>
        <translation>
Volumen: </translation>
    </message>
    <message>
        <source>Surface:</source>
        <translation>Oberfläche:</translation>
    </message>
    <message>
        <source>
Surface: </source>
        <translation>
Oberfläche: </translation>
    </message>
    <message>
        <source>xy Plane</source>
        <translation>xy-Ebene</translation>
    </message>
    <message>
        <source>xz Plane</source>
        <translation>xz-Ebene</translation>
    </message>
    <message>
        <source>zy Plane</source>
        <translation>zy-Ebene</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>Shows the x, y and z axes.</source>
        <translation>Zeigt die x-, y- und z-Achse.</translation>
    </message>
    <message>
        <source>Shows a grid in this plane, spaced as the scale label says.</source>
        <translation>Zeigt ein Gitter in dieser Ebene, mit dem Abstand, den die Maßstabsangabe nennt.</translation>
    </message>
    <message>
        <source>Solids cannot be drawn here: OpenGL is not available.</source>
        <translation>Körper können hier nicht gezeichnet werden: OpenGL ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Scale </source>
        <translation>Maßstab </translation>
    </message>
    <message>
        <source>Polymetra drawing</source>
        <translation>Polymetra-Zeichnung</translation>
    </message>
    <message>
        <source>the drawing could not be rendered</source>
        <translation>die Zeichnung konnte nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Check line: 10 cm. Page %1 of %2 (row %3, column %4).</source>
        <translation>Prüflinie: 10 cm. Seite %1 von %2 (Zeile %3, Spalte %4).</translation>
    </message>
    <message>
        <source>The drawing needs more than %1 pages at %2; choose a smaller scale.</source>
        <translation>Die Zeichnung braucht bei %2 mehr als %1 Seiten; wählen Sie einen kleineren Maßstab.</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the printer took no further page</source>
        <translation>der Drucker hat keine weitere Seite angenommen</translation>
    </message>
    <message>
        <source>the printer stopped</source>
        <translation>der Drucker hat angehalten</translation>
    </message>
    <message>
        <source>At %1 the drawing is %2 × %3 mm, larger than a page can be; choose a smaller scale.</source>
        <translation>Bei %1 ist die Zeichnung %2 × %3 mm groß, größer als eine Seite sein kann; wählen Sie einen kleineren Maßstab.</translation>
    </message>
    <message>
        <source>The result is too large to be calculated.<byte value="xd"/>Please try again with smaller values.</source>
        <translation>Das Ergebnis ist zu groß, um berechnet zu werden.<byte value="xd"/>Bitte versuchen Sie es mit kleineren Werten.</translation>
    </message>
    <message>
        <source>These values do not make a shape.<byte value="xd"/>Please try again with different values.</source>
        <translation>Diese Werte ergeben keine Figur.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>The value of %1 is not a number of 0 or more.<byte value="xd"/>Please correct it and try again.</source>
        <translation>Der Wert von %1 ist keine Zahl größer oder gleich 0.<byte value="xd"/>Bitte korrigieren Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The value of %1 is too large to be counted exactly.<byte value="xd"/>Please enter a whole number up to 9007199254740992.</source>
        <translation>Der Wert von %1 ist zu groß, um exakt gezählt zu werden.<byte value="xd"/>Bitte geben Sie eine ganze Zahl bis 9007199254740992 ein.</translation>
    </message>
    <message>
        <source>Not enough parameters to complete the calculations.<byte value="xd"/>Please enter more values.</source>
        <translation>Nicht genug Angaben, um die Berechnung abzuschließen.<byte value="xd"/>Bitte geben Sie weitere Werte ein.</translation>
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
        <translation>{P} ≤ 2·{x}: der Umfang muss länger als zwei Seiten sein</translation>
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
        <translation>Jeder Winkel eines Parallelogramms muss kleiner als 180 Grad sein.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that the Perimeter is greater than two times Side a (&gt; %@ units).</source>
        <translation>Bitte achten Sie darauf, dass der Umfang größer als das Doppelte von Seite a ist (&gt; %@ Einheiten).</translation>
    </message>
    <message>
        <source>Please make sure that the Perimeter is greater than two times Side b (&gt; %@ units).</source>
        <translation>Bitte achten Sie darauf, dass der Umfang größer als das Doppelte von Seite b ist (&gt; %@ Einheiten).</translation>
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
        <translation>Ein regelmäßiges Vieleck hat eine ganze Zahl von Seiten, 3 oder mehr</translation>
    </message>
    <message>
        <source>n = {n}: a regular polygon has a whole number of sides, 3 or more</source>
        <translation>n = {n}: ein regelmäßiges Vieleck hat eine ganze Zahl von Seiten, 3 oder mehr</translation>
    </message>
    <message>
        <source>A polygon has at least 3 sides.<byte value="xd"/>Please try again with different values.</source>
        <translation>Ein Vieleck hat mindestens 3 Seiten.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
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
        <translation>Jeder Winkel eines Trapezes muss kleiner als 180 Grad sein.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Side d is smaller than %@ units.</source>
        <translation>Dies ist kein gültiges Trapez.<byte value="xd"/>Bitte achten Sie darauf, dass Seite d kleiner als %@ Einheiten ist.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Side b is smaller than %@ units.</source>
        <translation>Dies ist kein gültiges Trapez.<byte value="xd"/>Bitte achten Sie darauf, dass Seite b kleiner als %@ Einheiten ist.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Height is smaller than %@ units.</source>
        <translation>Dies ist kein gültiges Trapez.<byte value="xd"/>Bitte achten Sie darauf, dass die Höhe kleiner als %@ Einheiten ist.</translation>
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
        <translation>{x} + {y} ≤ {z}: kein Dreieck hat diese Seiten</translation>
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
        <translation>Die Winkelsumme eines Dreiecks kann 180 Grad nicht überschreiten.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side b and Side c is greater than Side a (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass die Summe von Seite b und Seite c größer als Seite a ist (&gt; %@ Einheiten).<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side a and Side c is greater than Side b (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass die Summe von Seite a und Seite c größer als Seite b ist (&gt; %@ Einheiten).<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side a and Side b is greater than Side c (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass die Summe von Seite a und Seite b größer als Seite c ist (&gt; %@ Einheiten).<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that the Angle given is the one opposite the larger side.<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass der gegebene Winkel der größeren Seite gegenüberliegt.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that Angle A is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass Winkel A kleiner als 90 Grad ist.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that Angle B is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass Winkel B kleiner als 90 Grad ist.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that Angle C is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass Winkel C kleiner als 90 Grad ist.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
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
        <translation>{s} ≤ {r}: die Mantellinie muss länger als der Radius sein</translation>
    </message>
    <message>
        <source>√({s}² − {r}²)</source>
        <translation>√({s}² − {r}²)</translation>
    </message>
    <message>
        <source>{s} ≤ {h}: the slant height must be longer than the height</source>
        <translation>{s} ≤ {h}: die Mantellinie muss länger als die Höhe sein</translation>
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
        <translation>Bitte achten Sie darauf, dass die Mantellinie länger als der Radius ist (&gt; %@ Einheiten).<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>Please make sure that the Slant Height is greater than the Height (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass die Mantellinie länger als die Höhe ist (&gt; %@ Einheiten).<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
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
        <translation>2·π·{r}² = {B} ≥ {S}: die beiden Grundflächen lassen keinen Platz für den Mantel</translation>
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
        <translation>Bitte achten Sie darauf, dass die Oberfläche größer als die Summe der beiden Grundflächen ist (&gt; %@ Quadrateinheiten).<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
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
        <translation>2·{x}·{y} ≥ {S}: diese zwei Flächen lassen keinen Platz für die übrigen</translation>
    </message>
    <message>
        <source>({S}/2 − {x}·{y})/({x} + {y})</source>
        <translation>({S}/2 − {x}·{y})/({x} + {y})</translation>
    </message>
    <message>
        <source>Please make sure that the Surface is greater than the sum of the two side areas (&gt; %@ square units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass die Oberfläche größer als die Summe der beiden Seitenflächen ist (&gt; %@ Quadrateinheiten).<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
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
        <translation>2·{V}/{h} &gt; {p}·{q}: kein Dreieck mit diesen zwei Seiten hat eine so große Grundfläche</translation>
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
        <translation>√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2 ≥ {S}: die beiden Grundflächen lassen keinen Platz für die Seitenflächen</translation>
    </message>
    <message>
        <source>({S} − √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2)/({a} + {b} + {c})</source>
        <translation>({S} − √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2)/({a} + {b} + {c})</translation>
    </message>
    <message>
        <source>Please make sure that the Volume is not greater than %@ cubic units.<byte value="xd"/>Please try again with different values.</source>
        <translation>Bitte achten Sie darauf, dass das Volumen nicht größer als %@ Kubikeinheiten ist.<byte value="xd"/>Bitte versuchen Sie es mit anderen Werten.</translation>
    </message>
    <message>
        <source>The entry&apos;s value &quot;%1&quot; matches no field of the %2 calculator.</source>
        <translation>Der Wert „%1“ des Eintrags passt zu keinem Feld des Rechners %2.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Takes effect the next time Polymetra starts.</source>
        <translation>Wird beim nächsten Start von Polymetra wirksam.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>The %1 tape was found as %2 but could not be renamed to %3 (%4). It is read from there and saved under the new name.</source>
        <translation>Das Protokoll „%1“ wurde als %2 gefunden, konnte aber nicht in %3 umbenannt werden (%4). Es wird von dort gelesen und unter dem neuen Namen gespeichert.</translation>
    </message>
    <message>
        <source>Include working</source>
        <translation>Rechenweg einschließen</translation>
    </message>
    <message>
        <source>Follows each entry with the steps that found its values. The tape file itself is not changed.</source>
        <translation>Fügt jedem Eintrag die Schritte hinzu, die seine Werte ergeben haben. Die Protokolldatei selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>Working:</source>
        <translation>Rechenweg:</translation>
    </message>
    <message>
        <source>Given: %1 → %2</source>
        <translation>Gegeben: %1 → %2</translation>
    </message>
    <message>
        <source>two sides and an angle</source>
        <translation>zwei Seiten und ein Winkel</translation>
    </message>
    <message>
        <source>a side, an angle and the height</source>
        <translation>eine Seite, ein Winkel und die Höhe</translation>
    </message>
    <message>
        <source>a side, an angle and the area</source>
        <translation>eine Seite, ein Winkel und der Flächeninhalt</translation>
    </message>
    <message>
        <source>a side, an angle and the perimeter</source>
        <translation>eine Seite, ein Winkel und der Umfang</translation>
    </message>
    <message>
        <source>{X°} ≥ 180°: an angle of a parallelogram is less than 180°</source>
        <translation>{X°} ≥ 180°: ein Winkel eines Parallelogramms ist kleiner als 180°</translation>
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
        <translation>Grundseite a, ein Schenkel und an jedem Schenkel ein Winkel</translation>
    </message>
    <message>
        <source>base c, a leg and an angle at each leg</source>
        <translation>Grundseite c, ein Schenkel und an jedem Schenkel ein Winkel</translation>
    </message>
    <message>
        <source>a base, the height and an angle at each leg</source>
        <translation>eine Grundseite, die Höhe und an jedem Schenkel ein Winkel</translation>
    </message>
    <message>
        <source>both bases, a leg and an angle</source>
        <translation>beide Grundseiten, ein Schenkel und ein Winkel</translation>
    </message>
    <message>
        <source>both bases, the height and an angle</source>
        <translation>beide Grundseiten, die Höhe und ein Winkel</translation>
    </message>
    <message>
        <source>{X°} ≥ 180°: every angle of a trapezium is less than 180°</source>
        <translation>{X°} ≥ 180°: jeder Winkel eines Trapezes ist kleiner als 180°</translation>
    </message>
    <message>
        <source>{a} − ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</source>
        <translation>{a} − ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</translation>
    </message>
    <message>
        <source>{a} ≤ {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°}: the legs meet before they reach base c</source>
        <translation>{a} ≤ {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°}: die Schenkel treffen sich, bevor sie die Grundseite c erreichen</translation>
    </message>
    <message>
        <source>{c} + ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</source>
        <translation>{c} + ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</translation>
    </message>
    <message>
        <source>{c} + {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°} ≤ 0: the legs meet before they reach base a</source>
        <translation>{c} + {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°} ≤ 0: die Schenkel treffen sich, bevor sie die Grundseite a erreichen</translation>
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
        <translation>drei Seiten</translation>
    </message>
    <message>
        <source>two angles and a side</source>
        <translation>zwei Winkel und eine Seite</translation>
    </message>
    <message>
        <source>two sides and the included angle</source>
        <translation>zwei Seiten und der eingeschlossene Winkel</translation>
    </message>
    <message>
        <source>two sides and an angle facing one of them</source>
        <translation>zwei Seiten und ein Winkel, der einer von ihnen gegenüberliegt</translation>
    </message>
    <message>
        <source>the area, side a and an angle at one end of it</source>
        <translation>der Flächeninhalt, Seite a und ein Winkel an einem ihrer Enden</translation>
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
        <translation>{X°} + {Y°} ≥ 180°: für die dritte Ecke bleibt kein Winkel übrig</translation>
    </message>
    <message>
        <source>{s}/sin {S°}·sin {X°}</source>
        <translation>{s}/sin {S°}·sin {X°}</translation>
    </message>
    <message>
        <source>{p} &lt; {q}: with the angle {X°} facing the shorter side, two triangles or none fit</source>
        <translation>{p} &lt; {q}: liegt der Winkel {X°} der kürzeren Seite gegenüber, passen zwei Dreiecke oder keines</translation>
    </message>
    <message>
        <source>{p} = {q} and {X°} ≥ 90°: two equal sides cannot both face an angle of 90° or more</source>
        <translation>{p} = {q} und {X°} ≥ 90°: zwei gleich lange Seiten können nicht beide einem Winkel von 90° oder mehr gegenüberliegen</translation>
    </message>
    <message>
        <source>asin({q}/({p}/sin {X°}))</source>
        <translation>arcsin({q}/({p}/sin {X°}))</translation>
    </message>
    <message>
        <source>{X°} + {Y°} = 180°: the triangle is flat</source>
        <translation>{X°} + {Y°} = 180°: das Dreieck ist flach</translation>
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
        <translation>{B°} ≥ 180°: der Winkel B muss kleiner als 180° sein</translation>
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
        <translation>{b}·sin {B°}·({a} + {c}) ≥ {S}: die beiden Grundflächen lassen keinen Platz für die Seitenflächen</translation>
    </message>
    <message>
        <source>({S} − {b}·sin {B°}·({a} + {c}))/({a} + {b} + {c} + {d})</source>
        <translation>({S} − {b}·sin {B°}·({a} + {c}))/({a} + {b} + {c} + {d})</translation>
    </message>
</context>
</TS>
