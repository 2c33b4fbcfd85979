<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Polymetra</name>
    <message>
        <source>About Polymetra</source>
        <translation>Acerca de Polymetra</translation>
    </message>
    <message>
        <source>A geometry calculator for plane figures and solids.</source>
        <translation>Una calculadora de geometría para figuras planas y cuerpos geométricos.</translation>
    </message>
    <message>
        <source>MIT Licence</source>
        <translation>Licencia MIT</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>The licence text is missing.</source>
        <translation>Falta el texto de la licencia.</translation>
    </message>
    <message>
        <source>The %1 tape has new entries since it was cleared, so the cleared entries were not put back.</source>
        <translation>La cinta «%1» tiene entradas nuevas desde que se borró, así que las entradas borradas no se han restaurado.</translation>
    </message>
    <message>
        <source>No shape is on show.</source>
        <translation>No se muestra ninguna figura.</translation>
    </message>
    <message>
        <source>Only a plane figure can be drawn; a solid is drawn as its net.</source>
        <translation>Solo se puede dibujar una figura plana; un cuerpo se dibuja como su desarrollo plano.</translation>
    </message>
    <message>
        <source>The shape on show has no net.</source>
        <translation>La figura mostrada no tiene desarrollo plano.</translation>
    </message>
    <message>
        <source>Only a solid has a wireframe.</source>
        <translation>Solo un cuerpo tiene un modelo de alambre.</translation>
    </message>
    <message>
        <source>Calculate the shape first: a drawing needs a solved shape.</source>
        <translation>Calcule primero la figura: un dibujo necesita una figura resuelta.</translation>
    </message>
    <message>
        <source>The solved values make no figure that can be drawn.</source>
        <translation>Los valores calculados no forman ninguna figura que se pueda dibujar.</translation>
    </message>
    <message>
        <source>There is no figure to draw.</source>
        <translation>No hay ninguna figura que dibujar.</translation>
    </message>
    <message>
        <source>The drawing could not be exported to %1: %2</source>
        <translation>No se pudo exportar el dibujo a %1: %2</translation>
    </message>
    <message>
        <source>The drawing could not be printed: %1</source>
        <translation>No se pudo imprimir el dibujo: %1</translation>
    </message>
    <message>
        <source>no solid is on show</source>
        <translation>no se muestra ningún cuerpo</translation>
    </message>
    <message>
        <source>the solid view has no OpenGL surface to draw with</source>
        <translation>la vista del cuerpo no tiene superficie OpenGL con la que dibujar</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>The picture could not be exported to %1: %2</source>
        <translation>No se pudo exportar la imagen a %1: %2</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Drawing</source>
        <translation>Exportar dibujo</translation>
    </message>
    <message>
        <source>Print Drawing</source>
        <translation>Imprimir dibujo</translation>
    </message>
    <message>
        <source>Net, to cut out and fold</source>
        <translation>Desarrollo plano, para recortar y plegar</translation>
    </message>
    <message>
        <source>Wireframe of the view</source>
        <translation>Modelo de alambre de la vista</translation>
    </message>
    <message>
        <source>Picture of the view (PNG)</source>
        <translation>Imagen de la vista (PNG)</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Dibujo:</translation>
    </message>
    <message>
        <source>× the window</source>
        <translation>× la ventana</translation>
    </message>
    <message>
        <source>Picture resolution:</source>
        <translation>Resolución de la imagen:</translation>
    </message>
    <message>
        <source>One unit of length is:</source>
        <translation>Una unidad de longitud es:</translation>
    </message>
    <message>
        <source>True size (1:1)</source>
        <translation>Tamaño real (1:1)</translation>
    </message>
    <message>
        <source>Fit the paper (1:10, 1:100, 10:1, …)</source>
        <translation>Ajustar al papel (1:10, 1:100, 10:1, …)</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
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
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Undo Clear Tape</source>
        <translation>&amp;Deshacer borrar cinta</translation>
    </message>
    <message>
        <source>&amp;Undo Remove Entry</source>
        <translation>&amp;Deshacer quitar entrada</translation>
    </message>
    <message>
        <source>The entry has no given values to use.</source>
        <translation>La entrada no tiene valores dados que usar.</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>The tape %1 could not be opened: %2</source>
        <translation>No se pudo abrir la cinta %1: %2</translation>
    </message>
    <message>
        <source>it is not a tape (RTF) file</source>
        <translation>no es un archivo de cinta (RTF)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>Polymetra Help</source>
        <translation>Ayuda de Polymetra</translation>
    </message>
    <message>
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message>
        <source>Tape files (&quot;Cone Tape&quot;) or shape files (&quot;Polymetra Cone&quot;) to open.</source>
        <translation>Archivos de cinta («Cono Cinta») o de figura («Polymetra Cono») que abrir.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[archivos...]</translation>
    </message>
    <message>
        <source>polymetra: no display found. Start it from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY.</source>
        <translation>polymetra: no se encontró ninguna pantalla. Inícielo desde una sesión de escritorio o defina DISPLAY (X11) o WAYLAND_DISPLAY.</translation>
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
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>&amp;Export Drawing…</source>
        <translation>&amp;Exportar dibujo…</translation>
    </message>
    <message>
        <source>P&amp;rint Drawing…</source>
        <translation>&amp;Imprimir dibujo…</translation>
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
        <source>Copy &amp;Results</source>
        <translation>Copiar resu&amp;ltados</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Info Panel</source>
        <translation>Panel de &amp;información</translation>
    </message>
    <message>
        <source>&amp;Tape Panel</source>
        <translation>Panel de &amp;cinta</translation>
    </message>
    <message>
        <source>&amp;Graphics Panel</source>
        <translation>Panel de &amp;gráficos</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Figura</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Cinta</translation>
    </message>
    <message>
        <source>&amp;Clear Tape</source>
        <translation>&amp;Borrar cinta</translation>
    </message>
    <message>
        <source>Clear &amp;All Tapes…</source>
        <translation>Borrar &amp;todas las cintas…</translation>
    </message>
    <message>
        <source>&amp;Export Tape…</source>
        <translation>&amp;Exportar cinta…</translation>
    </message>
    <message>
        <source>&amp;Print Tape…</source>
        <translation>&amp;Imprimir cinta…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Polymetra &amp;Help</source>
        <translation>&amp;Ayuda de Polymetra</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>Buscar act&amp;ualizaciones…</translation>
    </message>
    <message>
        <source>&amp;About Polymetra</source>
        <translation>A&amp;cerca de Polymetra</translation>
    </message>
    <message>
        <source>Clear all tapes when Polymetra quits</source>
        <translation>Borrar todas las cintas al salir de Polymetra</translation>
    </message>
    <message>
        <source>Check for updates at launch</source>
        <translation>Buscar actualizaciones al iniciar</translation>
    </message>
    <message>
        <source>Fade the 3D grid</source>
        <translation>Atenuar la cuadrícula 3D</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimales:</translation>
    </message>
    <message>
        <source>Tape panel edge:</source>
        <translation>Borde del panel de cinta:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapecio</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Paralelogramo</translation>
    </message>
    <message>
        <source>Regular Polygon</source>
        <translation>Polígono regular</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Prisma rectangular</translation>
    </message>
    <message>
        <source>Triangular Prism</source>
        <translation>Prisma triangular</translation>
    </message>
    <message>
        <source>Trapezoidal Prism</source>
        <translation>Prisma trapezoidal</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cilindro</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cono</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Esfera</translation>
    </message>
    <message>
        <source>&amp;Previous Shape</source>
        <translation>Figura &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Shape</source>
        <translation>Figura &amp;siguiente</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>A support file could not be written: %1.</source>
        <translation>No se pudo escribir un archivo auxiliar: %1.</translation>
    </message>
    <message>
        <source>%1 support files could not be written, the first: %2.</source>
        <translation>No se pudieron escribir %1 archivos auxiliares; el primero: %2.</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>There are no results to copy: the fields are empty.</source>
        <translation>No hay resultados que copiar: los campos están vacíos.</translation>
    </message>
    <message>
        <source>there is nothing to write</source>
        <translation>no hay nada que escribir</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>No se pudo exportar la cinta a %1: %2</translation>
    </message>
    <message>
        <source>The tape could not be printed: the printer failed.</source>
        <translation>No se pudo imprimir la cinta: la impresora falló.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Página HTML (*.html)</translation>
    </message>
    <message>
        <source>Rich text, the tape file (*.rtf)</source>
        <translation>Texto enriquecido, el archivo de cinta (*.rtf)</translation>
    </message>
    <message>
        <source>Export Tape</source>
        <translation>Exportar cinta</translation>
    </message>
    <message>
        <source>There is no such entry on the tape.</source>
        <translation>Esa entrada no existe en la cinta.</translation>
    </message>
    <message>
        <source>The tape&apos;s shape has no calculator.</source>
        <translation>La figura de la cinta no tiene calculadora.</translation>
    </message>
    <message>
        <source>The entry&apos;s values cannot be used: %1</source>
        <translation>No se pueden usar los valores de la entrada: %1</translation>
    </message>
    <message>
        <source>The %1 tape cannot be changed: its file could not be read.</source>
        <translation>La cinta «%1» no se puede modificar: no se pudo leer su archivo.</translation>
    </message>
    <message>
        <source>The tape has changed since the entry was removed, so it was not put back.</source>
        <translation>La cinta ha cambiado desde que se quitó la entrada, así que no se ha restaurado.</translation>
    </message>
    <message>
        <source>Use These Values</source>
        <translation>Usar estos valores</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Copiar entrada</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Quitar entrada</translation>
    </message>
    <message>
        <source>Undo Remove Entry</source>
        <translation>Deshacer quitar entrada</translation>
    </message>
    <message>
        <source>Clear all tapes!</source>
        <translation>¡Borrar todas las cintas!</translation>
    </message>
    <message>
        <source>Are you aure you want to clear all tapes? This can not be undone.</source>
        <translation>¿Seguro que desea borrar todas las cintas? No se puede deshacer.</translation>
    </message>
    <message>
        <source>Clear all tapes</source>
        <translation>Borrar todas las cintas</translation>
    </message>
    <message>
        <source>These tapes could not be removed and are kept as they are: %1.</source>
        <translation>Estas cintas no se pudieron eliminar y se conservan tal como están: %1.</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Borrar cinta</translation>
    </message>
    <message>
        <source>Checking for Updates</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>Checking for a new version of Polymetra…</source>
        <translation>Buscando una nueva versión de Polymetra…</translation>
    </message>
    <message>
        <source>This copy of Polymetra was built without an update server, so it cannot check for updates.</source>
        <translation>Esta copia de Polymetra se compiló sin servidor de actualizaciones, así que no puede buscarlas.</translation>
    </message>
    <message>
        <source>Not connected to the Internet!</source>
        <translation>¡Sin conexión a Internet!</translation>
    </message>
    <message>
        <source>You require an active Internet connection to be able to check for updates.</source>
        <translation>Necesita una conexión a Internet activa para buscar actualizaciones.</translation>
    </message>
    <message>
        <source>Your version of Polymetra is up to date</source>
        <translation>Su versión de Polymetra está actualizada</translation>
    </message>
    <message>
        <source>You have the most recent version of Polymetra.<byte value="xd"/>Version %@.<byte value="xd"/>Please check again later.</source>
        <translation>Tiene la versión más reciente de Polymetra.<byte value="xd"/>Versión %@.<byte value="xd"/>Vuelva a comprobarlo más tarde.</translation>
    </message>
    <message>
        <source>A new version %@ of Polymetra is available.<byte value="xd"/>You are currently running version %@.<byte value="xd"/>Would you like to download the new version now?</source>
        <translation>Hay una nueva versión %@ de Polymetra disponible.<byte value="xd"/>Actualmente usa la versión %@.<byte value="xd"/>¿Desea descargar la nueva versión ahora?</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Hay una nueva versión disponible</translation>
    </message>
    <message>
        <source>Tell me more…</source>
        <translation>Más información…</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>An area, in square units of length.</source>
        <translation>Un área, en unidades de longitud al cuadrado.</translation>
    </message>
    <message>
        <source>A volume, in cubic units of length.</source>
        <translation>Un volumen, en unidades de longitud al cubo.</translation>
    </message>
    <message>
        <source>An angle, in degrees.</source>
        <translation>Un ángulo, en grados.</translation>
    </message>
    <message>
        <source>The number of sides, a whole number.</source>
        <translation>El número de lados, un número entero.</translation>
    </message>
    <message>
        <source>The polygon&apos;s name, shown once calculated.</source>
        <translation>El nombre del polígono, que se muestra una vez calculado.</translation>
    </message>
    <message>
        <source>A length, in any unit used for all lengths.</source>
        <translation>Una longitud, en cualquier unidad común a todas las longitudes.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Calculates the other values from those you typed (Return).</source>
        <translation>Calcula los demás valores a partir de los introducidos (Intro).</translation>
    </message>
    <message>
        <source>Clears the values (Return once calculated).
Shift-click keeps the values you gave.</source>
        <translation>Borra los valores (Intro una vez calculados).
Mayús-clic conserva los valores dados.</translation>
    </message>
    <message>
        <source>Can&apos;t compute!</source>
        <translation>¡No se puede calcular!</translation>
    </message>
    <message>
        <source> (given)</source>
        <translation> (valor dado)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>too many unreadable copies are kept beside it</source>
        <translation>hay demasiadas copias ilegibles junto a él</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is not an RTF document</source>
        <translation>no es un documento RTF</translation>
    </message>
    <message>
        <source>The %1 tape could not be read (%2). It was moved to %3 and a new tape was started.</source>
        <translation>No se pudo leer la cinta «%1» (%2). Se movió a %3 y se empezó una cinta nueva.</translation>
    </message>
    <message>
        <source>The %1 tape could not be read (%2) nor moved aside (%3). %4 is left as it is, and this tape will not be saved.</source>
        <translation>La cinta «%1» no se pudo leer (%2) ni apartar (%3). %4 se deja como está y esta cinta no se guardará.</translation>
    </message>
    <message>
        <source>the tape view holds another tape</source>
        <translation>la vista de cinta contiene otra cinta</translation>
    </message>
    <message>
        <source>its unreadable file is still in place</source>
        <translation>su archivo ilegible sigue en su sitio</translation>
    </message>
    <message>
        <source>The %1 tape could not be saved to %2: %3.</source>
        <translation>No se pudo guardar la cinta «%1» en %2: %3.</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, valor dado</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Procedimiento</translation>
    </message>
    <message>
        <source>Shows how the results were found</source>
        <translation>Muestra cómo se obtuvieron los resultados</translation>
    </message>
    <message>
        <source>Copies the working as plain text</source>
        <translation>Copia el procedimiento como texto sin formato</translation>
    </message>
    <message>
        <source>Calculate to see how each result is found.</source>
        <translation>Calcule para ver cómo se obtiene cada resultado.</translation>
    </message>
    <message>
        <source>Given: %1</source>
        <translation>Datos: %1</translation>
    </message>
    <message>
        <source>Any number of sides</source>
        <translation>Cualquier número de lados</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentágono</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>diámetro</translation>
    </message>
    <message>
        <source>circumference</source>
        <translation>perímetro</translation>
    </message>
    <message>
        <source>Radius:</source>
        <translation>Radio:</translation>
    </message>
    <message>
        <source>
Radius: </source>
        <translation>
Radio: </translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diámetro:</translation>
    </message>
    <message>
        <source>
Diameter: </source>
        <translation>
Diámetro: </translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Área:</translation>
    </message>
    <message>
        <source>
Area: </source>
        <translation>
Área: </translation>
    </message>
    <message>
        <source>Circumference:</source>
        <translation>Perímetro:</translation>
    </message>
    <message>
        <source>
Circumference: </source>
        <translation>
Perímetro: </translation>
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
        <translation>Radio a:</translation>
    </message>
    <message>
        <source>
Radius a: </source>
        <translation>
Radio a: </translation>
    </message>
    <message>
        <source>Radius b:</source>
        <translation>Radio b:</translation>
    </message>
    <message>
        <source>
Radius b: </source>
        <translation>
Radio b: </translation>
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
        <translation>Lado a:</translation>
    </message>
    <message>
        <source>
Side a: </source>
        <translation>
Lado a: </translation>
    </message>
    <message>
        <source>Side b:</source>
        <translation>Lado b:</translation>
    </message>
    <message>
        <source>
Side b: </source>
        <translation>
Lado b: </translation>
    </message>
    <message>
        <source>Angle A:</source>
        <translation>Ángulo A:</translation>
    </message>
    <message>
        <source>
Angle a: </source>
        <translation>
Ángulo a: </translation>
    </message>
    <message>
        <source>Angle B:</source>
        <translation>Ángulo B:</translation>
    </message>
    <message>
        <source>
Angle b: </source>
        <translation>
Ángulo b: </translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>
Height: </source>
        <translation>
Altura: </translation>
    </message>
    <message>
        <source>Perimeter:</source>
        <translation>Perímetro:</translation>
    </message>
    <message>
        <source>
Perimeter: </source>
        <translation>
Perímetro: </translation>
    </message>
    <message>
        <source>side</source>
        <translation>lado</translation>
    </message>
    <message>
        <source>radius a</source>
        <translation>radio a</translation>
    </message>
    <message>
        <source>radius b</source>
        <translation>radio b</translation>
    </message>
    <message>
        <source>Equilateral Triangle</source>
        <translation>Triángulo equilátero</translation>
    </message>
    <message>
        <source>Side:</source>
        <translation>Lado:</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Ángulo:</translation>
    </message>
    <message>
        <source>
Side: </source>
        <translation>
Lado: </translation>
    </message>
    <message>
        <source>
Angle: </source>
        <translation>
Ángulo: </translation>
    </message>
    <message>
        <source>Number of sides:</source>
        <translation>Número de lados:</translation>
    </message>
    <message>
        <source>
Number of Sides: </source>
        <translation>
Número de lados: </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>
Name: </source>
        <translation>
Nombre: </translation>
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
        <translation>Lado c:</translation>
    </message>
    <message>
        <source>
Side c: </source>
        <translation>
Lado c: </translation>
    </message>
    <message>
        <source>Side d:</source>
        <translation>Lado d:</translation>
    </message>
    <message>
        <source>
Side d: </source>
        <translation>
Lado d: </translation>
    </message>
    <message>
        <source>Angle C:</source>
        <translation>Ángulo C:</translation>
    </message>
    <message>
        <source>
Angle c: </source>
        <translation>
Ángulo c: </translation>
    </message>
    <message>
        <source>Angle D:</source>
        <translation>Ángulo D:</translation>
    </message>
    <message>
        <source>
Angle d: </source>
        <translation>
Ángulo d: </translation>
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
        <translation>Generatriz:</translation>
    </message>
    <message>
        <source>
Slant Height: </source>
        <translation>
Generatriz: </translation>
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
        <translation>Área total:</translation>
    </message>
    <message>
        <source>
Surface: </source>
        <translation>
Área total: </translation>
    </message>
    <message>
        <source>xy Plane</source>
        <translation>Plano xy</translation>
    </message>
    <message>
        <source>xz Plane</source>
        <translation>Plano xz</translation>
    </message>
    <message>
        <source>zy Plane</source>
        <translation>Plano zy</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>Shows the x, y and z axes.</source>
        <translation>Muestra los ejes x, y y z.</translation>
    </message>
    <message>
        <source>Shows a grid in this plane, spaced as the scale label says.</source>
        <translation>Muestra una cuadrícula en este plano, espaciada según indica la escala.</translation>
    </message>
    <message>
        <source>Solids cannot be drawn here: OpenGL is not available.</source>
        <translation>Aquí no se pueden dibujar cuerpos: OpenGL no está disponible.</translation>
    </message>
    <message>
        <source>Scale </source>
        <translation>Escala </translation>
    </message>
    <message>
        <source>Polymetra drawing</source>
        <translation>Dibujo de Polymetra</translation>
    </message>
    <message>
        <source>the drawing could not be rendered</source>
        <translation>no se pudo generar el dibujo</translation>
    </message>
    <message>
        <source>Check line: 10 cm. Page %1 of %2 (row %3, column %4).</source>
        <translation>Línea de control: 10 cm. Página %1 de %2 (fila %3, columna %4).</translation>
    </message>
    <message>
        <source>The drawing needs more than %1 pages at %2; choose a smaller scale.</source>
        <translation>El dibujo necesita más de %1 páginas a %2; elija una escala menor.</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>the printer took no further page</source>
        <translation>la impresora no aceptó más páginas</translation>
    </message>
    <message>
        <source>the printer stopped</source>
        <translation>la impresora se detuvo</translation>
    </message>
    <message>
        <source>At %1 the drawing is %2 × %3 mm, larger than a page can be; choose a smaller scale.</source>
        <translation>A %1 el dibujo mide %2 × %3 mm, más de lo que cabe en una página; elija una escala menor.</translation>
    </message>
    <message>
        <source>The result is too large to be calculated.<byte value="xd"/>Please try again with smaller values.</source>
        <translation>El resultado es demasiado grande para calcularlo.<byte value="xd"/>Inténtelo de nuevo con valores más pequeños.</translation>
    </message>
    <message>
        <source>These values do not make a shape.<byte value="xd"/>Please try again with different values.</source>
        <translation>Estos valores no forman ninguna figura.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>The value of %1 is not a number of 0 or more.<byte value="xd"/>Please correct it and try again.</source>
        <translation>El valor de %1 no es un número mayor o igual que 0.<byte value="xd"/>Corríjalo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The value of %1 is too large to be counted exactly.<byte value="xd"/>Please enter a whole number up to 9007199254740992.</source>
        <translation>El valor de %1 es demasiado grande para contarlo con exactitud.<byte value="xd"/>Introduzca un número entero de hasta 9007199254740992.</translation>
    </message>
    <message>
        <source>Not enough parameters to complete the calculations.<byte value="xd"/>Please enter more values.</source>
        <translation>No hay suficientes datos para completar los cálculos.<byte value="xd"/>Introduzca más valores.</translation>
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
        <translation>{P} ≤ 2·{x}: el perímetro ha de ser mayor que dos lados</translation>
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
        <translation>Todo ángulo de un paralelogramo ha de ser menor que 180 grados.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that the Perimeter is greater than two times Side a (&gt; %@ units).</source>
        <translation>Asegúrese de que el perímetro sea mayor que el doble del lado a (&gt; %@ unidades).</translation>
    </message>
    <message>
        <source>Please make sure that the Perimeter is greater than two times Side b (&gt; %@ units).</source>
        <translation>Asegúrese de que el perímetro sea mayor que el doble del lado b (&gt; %@ unidades).</translation>
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
        <translation>{s}/(2·sen(180°/{n}))</translation>
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
        <translation>2·{R}·sen(180°/{n})</translation>
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
        <translation>Un polígono regular tiene un número entero de lados, 3 o más</translation>
    </message>
    <message>
        <source>n = {n}: a regular polygon has a whole number of sides, 3 or more</source>
        <translation>n = {n}: un polígono regular tiene un número entero de lados, 3 o más</translation>
    </message>
    <message>
        <source>A polygon has at least 3 sides.<byte value="xd"/>Please try again with different values.</source>
        <translation>Un polígono tiene al menos 3 lados.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
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
        <translation>Todo ángulo de un trapecio ha de ser menor que 180 grados.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Side d is smaller than %@ units.</source>
        <translation>No es un trapecio válido.<byte value="xd"/>Asegúrese de que el lado d sea menor que %@ unidades.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Side b is smaller than %@ units.</source>
        <translation>No es un trapecio válido.<byte value="xd"/>Asegúrese de que el lado b sea menor que %@ unidades.</translation>
    </message>
    <message>
        <source>This is not a valid trapezium.<byte value="xd"/>Please make sure that Height is smaller than %@ units.</source>
        <translation>No es un trapecio válido.<byte value="xd"/>Asegúrese de que la altura sea menor que %@ unidades.</translation>
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
        <translation>{x} + {y} ≤ {z}: ningún triángulo tiene estos lados</translation>
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
        <translation>La suma de los ángulos de un triángulo no puede superar 180 grados.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side b and Side c is greater than Side a (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que la suma del lado b y el lado c sea mayor que el lado a (&gt; %@ unidades).<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side a and Side c is greater than Side b (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que la suma del lado a y el lado c sea mayor que el lado b (&gt; %@ unidades).<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that the sum of Side a and Side b is greater than Side c (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que la suma del lado a y el lado b sea mayor que el lado c (&gt; %@ unidades).<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that the Angle given is the one opposite the larger side.<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que el ángulo dado sea el opuesto al lado mayor.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that Angle A is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que el ángulo A sea menor que 90 grados.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that Angle B is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que el ángulo B sea menor que 90 grados.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that Angle C is less than 90 degrees.<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que el ángulo C sea menor que 90 grados.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
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
        <translation>{s} ≤ {r}: la generatriz ha de ser más larga que el radio</translation>
    </message>
    <message>
        <source>√({s}² − {r}²)</source>
        <translation>√({s}² − {r}²)</translation>
    </message>
    <message>
        <source>{s} ≤ {h}: the slant height must be longer than the height</source>
        <translation>{s} ≤ {h}: la generatriz ha de ser más larga que la altura</translation>
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
        <translation>Asegúrese de que la generatriz sea mayor que el radio (&gt; %@ unidades).<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>Please make sure that the Slant Height is greater than the Height (&gt; %@ units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que la generatriz sea mayor que la altura (&gt; %@ unidades).<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
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
        <translation>2·π·{r}² = {B} ≥ {S}: las dos bases no dejan área para la superficie lateral</translation>
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
        <translation>Asegúrese de que el área total sea mayor que la suma de las áreas de las dos bases (&gt; %@ unidades cuadradas).<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
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
        <translation>2·{x}·{y} ≥ {S}: esas dos caras no dejan área para las demás</translation>
    </message>
    <message>
        <source>({S}/2 − {x}·{y})/({x} + {y})</source>
        <translation>({S}/2 − {x}·{y})/({x} + {y})</translation>
    </message>
    <message>
        <source>Please make sure that the Surface is greater than the sum of the two side areas (&gt; %@ square units).<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que el área total sea mayor que la suma de las áreas de las dos caras laterales (&gt; %@ unidades cuadradas).<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
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
        <translation>2·{V}/{h} &gt; {p}·{q}: ningún triángulo con estos dos lados tiene una base tan grande</translation>
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
        <translation>√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2 ≥ {S}: las dos bases no dejan área para las caras laterales</translation>
    </message>
    <message>
        <source>({S} − √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2)/({a} + {b} + {c})</source>
        <translation>({S} − √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/2)/({a} + {b} + {c})</translation>
    </message>
    <message>
        <source>Please make sure that the Volume is not greater than %@ cubic units.<byte value="xd"/>Please try again with different values.</source>
        <translation>Asegúrese de que el volumen no sea mayor que %@ unidades cúbicas.<byte value="xd"/>Inténtelo de nuevo con otros valores.</translation>
    </message>
    <message>
        <source>The entry&apos;s value &quot;%1&quot; matches no field of the %2 calculator.</source>
        <translation>El valor «%1» de la entrada no corresponde a ningún campo de la calculadora %2.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Takes effect the next time Polymetra starts.</source>
        <translation>Se aplica la próxima vez que se inicie Polymetra.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>The %1 tape was found as %2 but could not be renamed to %3 (%4). It is read from there and saved under the new name.</source>
        <translation>La cinta «%1» se encontró como %2, pero no se pudo renombrar a %3 (%4). Se lee desde allí y se guarda con el nombre nuevo.</translation>
    </message>
    <message>
        <source>Include working</source>
        <translation>Incluir el desarrollo</translation>
    </message>
    <message>
        <source>Follows each entry with the steps that found its values. The tape file itself is not changed.</source>
        <translation>Añade a cada entrada los pasos que dieron sus valores. El archivo de la cinta no se modifica.</translation>
    </message>
    <message>
        <source>Working:</source>
        <translation>Desarrollo:</translation>
    </message>
    <message>
        <source>Given: %1 → %2</source>
        <translation>Datos: %1 → %2</translation>
    </message>
    <message>
        <source>two sides and an angle</source>
        <translation>dos lados y un ángulo</translation>
    </message>
    <message>
        <source>a side, an angle and the height</source>
        <translation>un lado, un ángulo y la altura</translation>
    </message>
    <message>
        <source>a side, an angle and the area</source>
        <translation>un lado, un ángulo y el área</translation>
    </message>
    <message>
        <source>a side, an angle and the perimeter</source>
        <translation>un lado, un ángulo y el perímetro</translation>
    </message>
    <message>
        <source>{X°} ≥ 180°: an angle of a parallelogram is less than 180°</source>
        <translation>{X°} ≥ 180°: un ángulo de un paralelogramo es menor que 180°</translation>
    </message>
    <message>
        <source>180° − {X°}</source>
        <translation>180° − {X°}</translation>
    </message>
    <message>
        <source>{a}·{h}/(sin {X°}·{a})</source>
        <translation>{a}·{h}/(sen {X°}·{a})</translation>
    </message>
    <message>
        <source>{S}/(sin {X°}·{x})</source>
        <translation>{S}/(sen {X°}·{x})</translation>
    </message>
    <message>
        <source>{a}·{b}·sin {X°}</source>
        <translation>{a}·{b}·sen {X°}</translation>
    </message>
    <message>
        <source>base a, a leg and an angle at each leg</source>
        <translation>la base a, un lado oblicuo y un ángulo en cada lado oblicuo</translation>
    </message>
    <message>
        <source>base c, a leg and an angle at each leg</source>
        <translation>la base c, un lado oblicuo y un ángulo en cada lado oblicuo</translation>
    </message>
    <message>
        <source>a base, the height and an angle at each leg</source>
        <translation>una base, la altura y un ángulo en cada lado oblicuo</translation>
    </message>
    <message>
        <source>both bases, a leg and an angle</source>
        <translation>las dos bases, un lado oblicuo y un ángulo</translation>
    </message>
    <message>
        <source>both bases, the height and an angle</source>
        <translation>las dos bases, la altura y un ángulo</translation>
    </message>
    <message>
        <source>{X°} ≥ 180°: every angle of a trapezium is less than 180°</source>
        <translation>{X°} ≥ 180°: todo ángulo de un trapecio es menor que 180°</translation>
    </message>
    <message>
        <source>{a} − ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</source>
        <translation>{a} − ({h}·cos {A°}/sen {A°} + {h}·cos {B°}/sen {B°})</translation>
    </message>
    <message>
        <source>{a} ≤ {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°}: the legs meet before they reach base c</source>
        <translation>{a} ≤ {h}·cos {A°}/sen {A°} + {h}·cos {B°}/sen {B°}: los lados no paralelos se cortan antes de llegar a la base c</translation>
    </message>
    <message>
        <source>{c} + ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})</source>
        <translation>{c} + ({h}·cos {A°}/sen {A°} + {h}·cos {B°}/sen {B°})</translation>
    </message>
    <message>
        <source>{c} + {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°} ≤ 0: the legs meet before they reach base a</source>
        <translation>{c} + {h}·cos {A°}/sen {A°} + {h}·cos {B°}/sen {B°} ≤ 0: los lados no paralelos se cortan antes de llegar a la base a</translation>
    </message>
    <message>
        <source>{l}·sin {X°}</source>
        <translation>{l}·sen {X°}</translation>
    </message>
    <message>
        <source>{h}/sin {X°}</source>
        <translation>{h}/sen {X°}</translation>
    </message>
    <message>
        <source>{h}/sin {B°}</source>
        <translation>{h}/sen {B°}</translation>
    </message>
    <message>
        <source>{h}/sin {A°}</source>
        <translation>{h}/sen {A°}</translation>
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
        <translation>√({h}² + ({a} − {c} − {h}·cos {X°}/sen {X°})²)</translation>
    </message>
    <message>
        <source>acos(({a} − {c} − {h}·cos {X°}/sin {X°})/{m})</source>
        <translation>arccos(({a} − {c} − {h}·cos {X°}/sen {X°})/{m})</translation>
    </message>
    <message>
        <source>three sides</source>
        <translation>tres lados</translation>
    </message>
    <message>
        <source>two angles and a side</source>
        <translation>dos ángulos y un lado</translation>
    </message>
    <message>
        <source>two sides and the included angle</source>
        <translation>dos lados y el ángulo comprendido</translation>
    </message>
    <message>
        <source>two sides and an angle facing one of them</source>
        <translation>dos lados y un ángulo opuesto a uno de ellos</translation>
    </message>
    <message>
        <source>the area, side a and an angle at one end of it</source>
        <translation>el área, el lado a y un ángulo en uno de sus extremos</translation>
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
        <translation>√(({p} − {q})² + 4·{p}·{q}·sen({X°}/2)²)</translation>
    </message>
    <message>
        <source>{X°} + {Y°} ≥ 180°: no angle is left for the third corner</source>
        <translation>{X°} + {Y°} ≥ 180°: no queda ángulo para el tercer vértice</translation>
    </message>
    <message>
        <source>{s}/sin {S°}·sin {X°}</source>
        <translation>{s}/sen {S°}·sen {X°}</translation>
    </message>
    <message>
        <source>{p} &lt; {q}: with the angle {X°} facing the shorter side, two triangles or none fit</source>
        <translation>{p} &lt; {q}: con el ángulo {X°} opuesto al lado menor, caben dos triángulos o ninguno</translation>
    </message>
    <message>
        <source>{p} = {q} and {X°} ≥ 90°: two equal sides cannot both face an angle of 90° or more</source>
        <translation>{p} = {q} y {X°} ≥ 90°: dos lados iguales no pueden estar ambos opuestos a un ángulo de 90° o más</translation>
    </message>
    <message>
        <source>asin({q}/({p}/sin {X°}))</source>
        <translation>arcsen({q}/({p}/sen {X°}))</translation>
    </message>
    <message>
        <source>{X°} + {Y°} = 180°: the triangle is flat</source>
        <translation>{X°} + {Y°} = 180°: el triángulo es plano</translation>
    </message>
    <message>
        <source>sin {Z°}·{p}/sin {X°}</source>
        <translation>sen {Z°}·{p}/sen {X°}</translation>
    </message>
    <message>
        <source>2·{S}/({a}·sin {X°})</source>
        <translation>2·{S}/({a}·sen {X°})</translation>
    </message>
    <message>
        <source>0.5·{p}·{q}·sin {X°}</source>
        <translation>0,5·{p}·{q}·sen {X°}</translation>
    </message>
    <message>
        <source>{B°} ≥ 180°: the angle B must be less than 180°</source>
        <translation>{B°} ≥ 180°: el ángulo B ha de ser menor que 180°</translation>
    </message>
    <message>
        <source>√(({a} − {c} − {b}·cos {B°})² + ({b}·sin {B°})²)</source>
        <translation>√(({a} − {c} − {b}·cos {B°})² + ({b}·sen {B°})²)</translation>
    </message>
    <message>
        <source>({a} + {b} + {c} + {d})·{h} + {b}·sin {B°}·({a} + {c})</source>
        <translation>({a} + {b} + {c} + {d})·{h} + {b}·sen {B°}·({a} + {c})</translation>
    </message>
    <message>
        <source>{h}·{b}·sin {B°}·({a} + {c})/2</source>
        <translation>{h}·{b}·sen {B°}·({a} + {c})/2</translation>
    </message>
    <message>
        <source>{V}/({b}·sin {B°}·({a} + {c})/2)</source>
        <translation>{V}/({b}·sen {B°}·({a} + {c})/2)</translation>
    </message>
    <message>
        <source>{b}·sin {B°}·({a} + {c}) ≥ {S}: the two bases leave no area for the sides</source>
        <translation>{b}·sen {B°}·({a} + {c}) ≥ {S}: las dos bases no dejan área para las caras laterales</translation>
    </message>
    <message>
        <source>({S} − {b}·sin {B°}·({a} + {c}))/({a} + {b} + {c} + {d})</source>
        <translation>({S} − {b}·sen {B°}·({a} + {c}))/({a} + {b} + {c} + {d})</translation>
    </message>
</context>
</TS>
