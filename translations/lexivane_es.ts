<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BracketText</name>
    <message>
        <source>a single &quot;:&quot;; a clue needs two, as in [went::go]</source>
        <translation>un solo &quot;:&quot;; una pista necesita dos, como en [went::go]</translation>
    </message>
    <message>
        <source>an empty answer beside &quot;|&quot;</source>
        <translation>una respuesta vacía junto a &quot;|&quot;</translation>
    </message>
    <message>
        <source>an empty choice beside &quot;~&quot;</source>
        <translation>una opción vacía junto a &quot;~&quot;</translation>
    </message>
    <message>
        <source>the clue &quot;%1&quot; gives the answer away</source>
        <translation>la pista &quot;%1&quot; revela la respuesta</translation>
    </message>
    <message>
        <source>the choice &quot;%1&quot; is an accepted answer</source>
        <translation>la opción &quot;%1&quot; es una respuesta aceptada</translation>
    </message>
    <message>
        <source>Gap %1: %2</source>
        <translation>Hueco %1: %2</translation>
    </message>
</context>
<context>
    <name>CheckedWrite</name>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>DlgCheckSpelling</name>
    <message>
        <source>Check spelling</source>
        <translation>Revisar la ortografía</translation>
    </message>
    <message>
        <source>The whole database</source>
        <translation>Toda la base de datos</translation>
    </message>
    <message>
        <source>The output list</source>
        <translation>La lista de salida</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Progreso de la revisión</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Palabras encontradas</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Oración</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Reemplazar por:</translation>
    </message>
    <message>
        <source>Replace here</source>
        <translation>Reemplazar aquí</translation>
    </message>
    <message>
        <source>Replace everywhere</source>
        <translation>Reemplazar en todas partes</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Diccionario: %1 (%2)</translation>
    </message>
    <message>
        <source>Checking %1 texts...</source>
        <translation>Revisando %1 textos…</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>La revisión se detuvo.</translation>
    </message>
    <message>
        <source>%1 spelling</source>
        <translation>Ortografía: %1</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>No está en el diccionario</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>Encontrada: %1</translation>
    </message>
    <message>
        <source>No spelling mistakes found in %1 texts.</source>
        <translation>No se encontraron errores de ortografía en %1 textos.</translation>
    </message>
    <message>
        <source>%1 texts checked. Words not in the dictionary: %2; words of another spelling: %3.</source>
        <translation>%1 textos revisados. Palabras que no están en el diccionario: %2; palabras de otra ortografía: %3.</translation>
    </message>
    <message>
        <source>Output list</source>
        <translation>Lista de salida</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot;</source>
        <translation>Reemplazar «%1»</translation>
    </message>
    <message>
        <source>%1 texts were changed since the check and were left as they are.</source>
        <translation>%1 textos cambiaron desde la revisión y se dejaron como están.</translation>
    </message>
    <message>
        <source>Word not added</source>
        <translation>Palabra no añadida</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; could not be added to your word list %2:
%3</source>
        <translation>No se pudo añadir la palabra «%1» a su lista de palabras %2:
%3</translation>
    </message>
</context>
<context>
    <name>DlgChooseDbLang</name>
    <message>
        <source>Choose preferred spelling</source>
        <translation>Elegir la ortografía preferida</translation>
    </message>
    <message>
        <source>Choose which version of the database you would like to use.
The databases differ slightly in spelling and vocabulary.</source>
        <translation>Elija qué versión de la base de datos desea utilizar.
Las bases de datos difieren ligeramente en ortografía y vocabulario.</translation>
    </message>
    <message>
        <source>American (US)</source>
        <translation>Estadounidense (EE. UU.)</translation>
    </message>
    <message>
        <source>British (UK)</source>
        <translation>Británico (Reino Unido)</translation>
    </message>
    <message>
        <source>Canadian</source>
        <translation>Canadiense</translation>
    </message>
</context>
<context>
    <name>DlgEditSentence</name>
    <message>
        <source>Add or edit a sentence</source>
        <translation>Añadir o editar una frase</translation>
    </message>
    <message>
        <source>Times used:</source>
        <translation>Veces usada:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Frase:</translation>
    </message>
    <message>
        <source>Sentence status:</source>
        <translation>Estado de la frase:</translation>
    </message>
    <message>
        <source>No gapped word.</source>
        <translation>Ninguna palabra con hueco.</translation>
    </message>
    <message>
        <source>Unmatched brackets!</source>
        <translation>¡Corchetes sin pareja!</translation>
    </message>
    <message>
        <source>A sentence cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Una frase no puede contener &quot;&amp;&amp;&amp;&quot;.</translation>
    </message>
    <message>
        <source>Gap %1: %2</source>
        <translation>Hueco %1: %2</translation>
    </message>
    <message>
        <source>(also %1)</source>
        <translation>(también %1)</translation>
    </message>
    <message>
        <source>clue: %1</source>
        <translation>pista: %1</translation>
    </message>
    <message>
        <source>Check the gaps below.</source>
        <translation>Revise los huecos de abajo.</translation>
    </message>
    <message>
        <source>choices: %1</source>
        <translation>opciones: %1</translation>
    </message>
</context>
<context>
    <name>DlgFindSentences</name>
    <message>
        <source>Find sentences in a text</source>
        <translation>Buscar frases en un texto</translation>
    </message>
    <message>
        <source>&amp;All headwords</source>
        <translation>&amp;Todas las entradas</translation>
    </message>
    <message>
        <source>All headwords</source>
        <translation>Todas las entradas</translation>
    </message>
    <message>
        <source>&amp;Selected headwords</source>
        <translation>Entradas &amp;seleccionadas</translation>
    </message>
    <message>
        <source>Selected headwords</source>
        <translation>Entradas seleccionadas</translation>
    </message>
    <message>
        <source>Text to search</source>
        <translation>Texto en el que buscar</translation>
    </message>
    <message>
        <source>Paste a text here, or open a file.</source>
        <translation>Pegue aquí un texto o abra un archivo.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>&amp;Abrir archivo…</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Cancel search</source>
        <translation>&amp;Cancelar la búsqueda</translation>
    </message>
    <message>
        <source>Cancel search</source>
        <translation>Cancelar la búsqueda</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Sentences found</source>
        <translation>Frases encontradas</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Sentences &amp;found (tick the ones to add; double-click to change the brackets):</source>
        <translation>&amp;Frases encontradas (marque las que quiera añadir; doble clic para cambiar los corchetes):</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add the ticked sentences</source>
        <translation>Añadir las frases marcadas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open a text</source>
        <translation>Abrir un texto</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1…</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Reading cancelled.</source>
        <translation>Lectura cancelada.</translation>
    </message>
    <message>
        <source>The text is read. Press Search.</source>
        <translation>El texto se ha leído. Pulse Buscar.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Búsqueda cancelada.</translation>
    </message>
    <message>
        <source>No gapped word.</source>
        <translation>Ninguna palabra con hueco.</translation>
    </message>
    <message>
        <source>Unmatched brackets!</source>
        <translation>¡Corchetes sin pareja!</translation>
    </message>
    <message>
        <source>No sentence is ticked.</source>
        <translation>No hay ninguna frase marcada.</translation>
    </message>
    <message>
        <source>Add Found Sentences</source>
        <translation>Añadir las frases encontradas</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2)</source>
        <translation>Omitida: %1 (%2)</translation>
    </message>
    <message>
        <source>Sentences found: %1, for %2 headwords, in a text of %3 sentences. Left out as the database has them: %4.</source>
        <translation>Frases encontradas: %1, para %2 entradas, en un texto de %3 frases. Omitidas porque la base de datos ya las tiene: %4.</translation>
    </message>
    <message>
        <source>Sentences added: %1.</source>
        <translation>Frases añadidas: %1.</translation>
    </message>
</context>
<context>
    <name>DlgImportCsv</name>
    <message>
        <source>Import spreadsheet text</source>
        <translation>Importar texto de hoja de cálculo</translation>
    </message>
    <message>
        <source>Choose the column that holds the headwords and the column that holds the example sentences.</source>
        <translation>Elija la columna de las entradas y la de las frases de ejemplo.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Punto y coma ( ; )</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Coma ( , )</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>&amp;Headword column:</source>
        <translation>Columna de las &amp;entradas:</translation>
    </message>
    <message>
        <source>S&amp;entence column:</source>
        <translation>Columna de las &amp;frases:</translation>
    </message>
    <message>
        <source>The &amp;first row names the columns</source>
        <translation>La &amp;primera fila nombra las columnas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>(none: headwords only)</source>
        <translation>(ninguna: solo entradas)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Columna %1: %2</translation>
    </message>
    <message>
        <source>Rows to import: %1</source>
        <translation>Filas para importar: %1</translation>
    </message>
    <message>
        <source>The first rows of a long file are shown; all of its rows are read when you import.</source>
        <translation>Se muestran las primeras filas de un archivo largo; al importar se leen todas sus filas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (named by the file)</source>
        <translation>«%1» (indicado por el archivo)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>DlgInteractivePage</name>
    <message>
        <source>Interactive web page</source>
        <translation>Página web interactiva</translation>
    </message>
    <message>
        <source>What the pupil does</source>
        <translation>Qué hace el alumno</translation>
    </message>
    <message>
        <source>&amp;Gap-fill: type each missing word</source>
        <translation>&amp;Completar huecos: escribir cada palabra que falta</translation>
    </message>
    <message>
        <source>Choose the words from &amp;drop-down lists of the word list</source>
        <translation>Elegir las palabras de listas &amp;desplegables de la lista de palabras</translation>
    </message>
    <message>
        <source>&amp;Matching: choose the missing words of each sentence from a list</source>
        <translation>&amp;Emparejar: elegir de una lista las palabras que faltan en cada frase</translation>
    </message>
    <message>
        <source>Marking typed answers</source>
        <translation>Corrección de las respuestas escritas</translation>
    </message>
    <message>
        <source>&amp;Capitals must match (case-sensitive)</source>
        <translation>Las &amp;mayúsculas deben coincidir</translation>
    </message>
    <message>
        <source>&amp;Accents must be typed</source>
        <translation>Hay que escribir los &amp;acentos</translation>
    </message>
    <message>
        <source>&amp;Hint button that gives the next letter</source>
        <translation>Botón de &amp;pista que da la letra siguiente</translation>
    </message>
    <message>
        <source>Tick &quot;Include word list&quot; to use drop-down lists.</source>
        <translation>Marque «Incluir lista de palabras» para usar listas desplegables.</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>La página</translation>
    </message>
    <message>
        <source>A &quot;Show answers&quot; &amp;button</source>
        <translation>Un &amp;botón «Mostrar respuestas»</translation>
    </message>
    <message>
        <source>All gaps of &amp;one width, so that their length gives nothing away</source>
        <translation>Todos los huecos del mismo &amp;ancho, para que su longitud no delate nada</translation>
    </message>
    <message>
        <source>Learning platform</source>
        <translation>Plataforma de aprendizaje</translation>
    </message>
    <message>
        <source>&amp;Pass mark:</source>
        <translation>&amp;Nota de aprobado:</translation>
    </message>
    <message>
        <source>Without a pass mark the platform records the exercise as completed.</source>
        <translation>Sin nota de aprobado, la plataforma registra el ejercicio como completado.</translation>
    </message>
    <message>
        <source>Pass mark</source>
        <translation>Nota de aprobado</translation>
    </message>
    <message>
        <source>SCORM package</source>
        <translation>Paquete SCORM</translation>
    </message>
    <message>
        <source>Score &amp;recorded:</source>
        <translation>Puntuación &amp;registrada:</translation>
    </message>
    <message>
        <source>The first check with every gap answered</source>
        <translation>La primera comprobación con todos los huecos respondidos</translation>
    </message>
    <message>
        <source>The best check</source>
        <translation>La mejor comprobación</translation>
    </message>
    <message>
        <source>Each hin&amp;t costs:</source>
        <translation>Cada pis&amp;ta cuesta:</translation>
    </message>
    <message>
        <source> % of its gap</source>
        <translation> % de su hueco</translation>
    </message>
    <message>
        <source>A gap whose answer the hints spelled out, or that &quot;Show answers&quot; revealed, counts as wrong.</source>
        <translation>Un hueco cuya respuesta han deletreado las pistas, o que «Mostrar respuestas» ha revelado, cuenta como incorrecto.</translation>
    </message>
    <message>
        <source>A &quot;Show answers&quot; &amp;button once the pupil has checked</source>
        <translation>Un &amp;botón «Mostrar respuestas» cuando el alumno ya ha comprobado</translation>
    </message>
    <message>
        <source>A button that reads each sentence a&amp;loud in the browser&apos;s voice</source>
        <translation>Un botón que lee cada frase en &amp;voz alta con la voz del navegador</translation>
    </message>
    <message>
        <source>Li&amp;stening: each sentence appears only once the pupil has heard it</source>
        <translation>Compren&amp;sión oral: cada frase aparece solo cuando el alumno la ha oído</translation>
    </message>
    <message>
        <source>The sentence is read with its missing words, and the pupil types what they heard. Needs a browser with a voice for the exercise&apos;s language.</source>
        <translation>La frase se lee con las palabras que faltan, y el alumno escribe lo que ha oído. Hace falta un navegador con una voz para el idioma del ejercicio.</translation>
    </message>
</context>
<context>
    <name>DlgRandomSentences</name>
    <message>
        <source>Random selection of sentences</source>
        <translation>Selección aleatoria de frases</translation>
    </message>
    <message>
        <source>&amp;Number of sentences required:</source>
        <translation>&amp;Número de frases necesarias:</translation>
    </message>
    <message>
        <source>&amp;Include sentences with &quot;used&quot; value &gt; 0</source>
        <translation>&amp;Incluir frases con valor de «usada» &gt; 0</translation>
    </message>
    <message>
        <source>Select only from words which have &quot;&amp;used&quot; sentences</source>
        <translation>Elegir solo entre palabras con frases «&amp;usadas»</translation>
    </message>
    <message>
        <source>Allow &amp;multiple sentences with the same word</source>
        <translation>Permitir &amp;varias frases con la misma palabra</translation>
    </message>
    <message>
        <source>&amp;Add to the output list</source>
        <translation>&amp;Añadir a la lista de salida</translation>
    </message>
</context>
<context>
    <name>ExerciseModel</name>
    <message>
        <source>(also: %1)</source>
        <translation>(también: %1)</translation>
    </message>
</context>
<context>
    <name>ExerciseRender</name>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Word bank:</source>
        <translation>Banco de palabras:</translation>
    </message>
    <message>
        <source>Gap-fill exercise</source>
        <translation>Ejercicio de huecos</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Read each sentence and write the missing word in the gap.</source>
        <translation>Lee cada frase y escribe la palabra que falta en el hueco.</translation>
    </message>
    <message>
        <source>Choose your answers from the word bank: each word in it fills one gap.</source>
        <translation>Elige tus respuestas del banco de palabras: cada palabra rellena un hueco.</translation>
    </message>
    <message>
        <source>Word bank</source>
        <translation>Banco de palabras</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>Choose your answers from the word bank: each word in it fills one gap, and some words are not needed.</source>
        <translation>Elige tus respuestas del banco de palabras: cada palabra llena un hueco, y algunas palabras sobran.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>ExerciseSheets</name>
    <message>
        <source>Version %1: %2</source>
        <translation>Versión %1: %2</translation>
    </message>
    <message>
        <source>The database has no other sentence for these headwords, so their sentences stand in these versions as in version A:</source>
        <translation>La base de datos no tiene otra frase para estas entradas, así que sus frases quedan en estas versiones como en la versión A:</translation>
    </message>
</context>
<context>
    <name>FoundSentences</name>
    <message>
        <source>The headword is no longer in the database.</source>
        <translation>La entrada ya no está en la base de datos.</translation>
    </message>
    <message>
        <source>The brackets are not complete.</source>
        <translation>Los corchetes no están completos.</translation>
    </message>
    <message>
        <source>The headword has this sentence already.</source>
        <translation>La entrada ya tiene esta frase.</translation>
    </message>
    <message>
        <source>A sentence cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Una frase no puede contener &quot;&amp;&amp;&amp;&quot;.</translation>
    </message>
</context>
<context>
    <name>H5PExport</name>
    <message>
        <source>The extra word &quot;%1&quot; is left out.</source>
        <translation>La palabra adicional «%1» se omite.</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>omitida: %1</translation>
    </message>
    <message>
        <source>the sentence holds &quot;*&quot;</source>
        <translation>la oración contiene «*»</translation>
    </message>
    <message>
        <source>a key word is empty</source>
        <translation>una palabra clave está vacía</translation>
    </message>
    <message>
        <source>the answer &quot;%1&quot; holds &quot;*&quot;, &quot;/&quot; or &quot;:&quot;</source>
        <translation>la respuesta «%1» contiene «*», «/» o «:»</translation>
    </message>
    <message>
        <source>the alternative &quot;%1&quot; is dropped</source>
        <translation>la alternativa «%1» se quita</translation>
    </message>
    <message>
        <source>the clue &quot;%1&quot; is dropped</source>
        <translation>la pista «%1» se quita</translation>
    </message>
    <message>
        <source>only the first answer of each gap is used</source>
        <translation>solo se usa la primera respuesta de cada hueco</translation>
    </message>
    <message>
        <source>Fill in the missing words.</source>
        <translation>Completa las palabras que faltan.</translation>
    </message>
    <message>
        <source>Drag the words into the correct boxes.</source>
        <translation>Arrastra las palabras a las casillas correctas.</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Mostrar solución</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Please fill in all blanks to view solution</source>
        <translation>Rellena todos los espacios para ver la solución</translation>
    </message>
    <message>
        <source>&apos;:ans&apos; is correct</source>
        <translation>&apos;:ans&apos; es correcto</translation>
    </message>
    <message>
        <source>&apos;:ans&apos; is wrong</source>
        <translation>&apos;:ans&apos; es incorrecto</translation>
    </message>
    <message>
        <source>Answered correctly</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Answered incorrectly</source>
        <translation>Respuesta incorrecta</translation>
    </message>
    <message>
        <source>Correct answer:</source>
        <translation>Respuesta correcta:</translation>
    </message>
    <message>
        <source>Blank input @num of @total</source>
        <translation>Espacio @num de @total</translation>
    </message>
    <message>
        <source>Tip available</source>
        <translation>Pista disponible</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>You got :num out of :total points</source>
        <translation>Has obtenido :num de :total puntos</translation>
    </message>
    <message>
        <source>Drop Zone @index.</source>
        <translation>Zona de destino @index.</translation>
    </message>
    <message>
        <source>Drop Zone @index is empty.</source>
        <translation>La zona de destino @index está vacía.</translation>
    </message>
    <message>
        <source>Drop Zone @index contains draggable @draggable.</source>
        <translation>La zona de destino @index contiene el elemento @draggable.</translation>
    </message>
    <message>
        <source>@index of @count draggables.</source>
        <translation>@index de @count elementos.</translation>
    </message>
    <message>
        <source>Show tip</source>
        <translation>Mostrar pista</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Incorrect!</source>
        <translation>¡Incorrecto!</translation>
    </message>
    <message>
        <source>Reset drop</source>
        <translation>Vaciar zona</translation>
    </message>
    <message>
        <source>Are you sure you want to reset this drop zone?</source>
        <translation>¿Seguro que quieres vaciar esta zona de destino?</translation>
    </message>
    <message>
        <source>Draggable is grabbed.</source>
        <translation>Elemento agarrado.</translation>
    </message>
    <message>
        <source>Cancelled dragging.</source>
        <translation>Arrastre cancelado.</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
</context>
<context>
    <name>InteractivePage</name>
    <message>
        <source>Word list</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Show answers</source>
        <translation>Mostrar respuestas</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Intentar de nuevo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Show the next letter of the gap you are in</source>
        <translation>Mostrar la letra siguiente del hueco en el que estás</translation>
    </message>
    <message>
        <source>Score: %1 of %2 (%3%)</source>
        <translation>Puntuación: %1 de %2 (%3 %)</translation>
    </message>
    <message>
        <source>The answers are shown.</source>
        <translation>Se muestran las respuestas.</translation>
    </message>
    <message>
        <source>Gap %1 of question %2</source>
        <translation>Hueco %1 de la pregunta %2</translation>
    </message>
    <message>
        <source>Missing words of question %1</source>
        <translation>Palabras que faltan en la pregunta %1</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>(choose)</source>
        <translation>(elegir)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>Choose the missing words for each sentence, then press Check.</source>
        <translation>Elige las palabras que faltan en cada frase y pulsa «Comprobar».</translation>
    </message>
    <message>
        <source>Fill in the gaps, then press Check.</source>
        <translation>Completa los huecos y pulsa «Comprobar».</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in lang=&quot;en&quot;</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>This exercise checks your answers with JavaScript. Please allow JavaScript for this page, or ask your teacher for a printed copy.</source>
        <translation>Este ejercicio comprueba tus respuestas con JavaScript. Permite JavaScript en esta página o pide a tu profesor una copia impresa.</translation>
    </message>
    <message>
        <source>Read sentence %1 aloud</source>
        <translation>Leer en voz alta la frase %1</translation>
    </message>
    <message>
        <source>Listen to sentence %1</source>
        <translation>Escuchar la frase %1</translation>
    </message>
    <message>
        <source>Press the loudspeaker button of a sentence to hear it. Then the sentence appears, and you type the missing words.</source>
        <translation>Pulsa el altavoz de una frase para oírla. Entonces aparece la frase y escribes las palabras que faltan.</translation>
    </message>
    <message>
        <source>Reading aloud is not available: this browser cannot speak.</source>
        <translation>La lectura en voz alta no está disponible: este navegador no puede hablar.</translation>
    </message>
    <message>
        <source>Reading aloud is not available: this browser has no %1 voice.</source>
        <extracomment>%1 is the name of a language, as the browser writes it in the page&apos;s language</extracomment>
        <translation>La lectura en voz alta no está disponible: este navegador no tiene ninguna voz en %1.</translation>
    </message>
    <message>
        <source>The sentences are shown instead.</source>
        <translation>En su lugar se muestran las frases.</translation>
    </message>
</context>
<context>
    <name>LxdDocument</name>
    <message>
        <source>Move Headword</source>
        <translation>Mover entrada</translation>
    </message>
    <message>
        <source>Sort Headwords</source>
        <translation>Ordenar entradas</translation>
    </message>
    <message>
        <source>There is not enough memory to write the file.</source>
        <translation>No hay memoria suficiente para escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>LxdEditCommand</name>
    <message>
        <source>Add Headword</source>
        <translation>Añadir entrada</translation>
    </message>
    <message>
        <source>Rename Headword</source>
        <translation>Renombrar entrada</translation>
    </message>
    <message>
        <source>Delete Headword</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message>
        <source>Delete Headwords</source>
        <translation>Eliminar entradas</translation>
    </message>
    <message>
        <source>Add Sentence</source>
        <translation>Añadir frase</translation>
    </message>
    <message>
        <source>Edit Sentence</source>
        <translation>Editar frase</translation>
    </message>
    <message>
        <source>Delete Sentence</source>
        <translation>Eliminar frase</translation>
    </message>
    <message>
        <source>Delete Sentences</source>
        <translation>Eliminar frases</translation>
    </message>
    <message>
        <source>Move Sentences</source>
        <translation>Mover frases</translation>
    </message>
    <message>
        <source>Zero Used Counts</source>
        <translation>Poner a cero los contadores de uso</translation>
    </message>
    <message>
        <source>Append File</source>
        <translation>Anexar archivo</translation>
    </message>
    <message>
        <source>Merge File</source>
        <translation>Combinar archivo</translation>
    </message>
    <message>
        <source>Set Language</source>
        <translation>Establecer idioma</translation>
    </message>
</context>
<context>
    <name>LxdImport</name>
    <message>
        <source>This is not a word list that can be imported.</source>
        <translation>Esta no es una lista de palabras que se pueda importar.</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Este no es un archivo de texto.</translation>
    </message>
    <message>
        <source>The quoted field that begins in line %1 is never closed.</source>
        <translation>El campo entre comillas que empieza en la línea %1 no se cierra nunca.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Se canceló la importación.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>%1: no headword</source>
        <translation>%1: sin entrada</translation>
    </message>
    <message>
        <source>%1: the headword contains &quot;&amp;&amp;&amp;&quot;, which a database file cannot hold</source>
        <translation>%1: la entrada contiene «&amp;&amp;&amp;», que un archivo de base de datos no puede guardar</translation>
    </message>
    <message>
        <source>%1: the sentence contains &quot;&amp;&amp;&amp;&quot;, which a database file cannot hold</source>
        <translation>%1: la frase contiene «&amp;&amp;&amp;», que un archivo de base de datos no puede guardar</translation>
    </message>
    <message>
        <source>%1: the same sentence came earlier for &quot;%2&quot;</source>
        <translation>%1: la misma frase ya apareció para «%2»</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>El archivo no es XML bien formado (línea %1: %2).</translation>
    </message>
    <message>
        <source>This is not a KVTML file.</source>
        <translation>Este no es un archivo KVTML.</translation>
    </message>
    <message>
        <source>This KVTML file has the older form of version 1, which cannot be read. Open it in KWordQuiz or Parley and save it again to bring it to version 2.</source>
        <translation>Este archivo KVTML tiene la forma antigua de la versión 1, que no se puede leer. Ábralo en KWordQuiz o Parley y guárdelo de nuevo para pasarlo a la versión 2.</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>%1: no translation</source>
        <translation>%1: sin traducción</translation>
    </message>
    <message>
        <source>This is not a Hot Potatoes JCloze file.</source>
        <translation>Este no es un archivo JCloze de Hot Potatoes.</translation>
    </message>
    <message>
        <source>The exercise holds no gap-fill text.</source>
        <translation>El ejercicio no contiene texto con huecos.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>%1: a gap has no answer</source>
        <translation>%1: un hueco no tiene respuesta</translation>
    </message>
    <message>
        <source>This is not a Hot Potatoes JMatch file.</source>
        <translation>Este no es un archivo JMatch de Hot Potatoes.</translation>
    </message>
    <message>
        <source>The exercise holds no matching pairs.</source>
        <translation>El ejercicio no contiene parejas para relacionar.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Pareja %1</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: vacía</translation>
    </message>
    <message>
        <source>%1: an extra answer without a left item</source>
        <translation>%1: una respuesta de más sin elemento izquierdo</translation>
    </message>
    <message>
        <source>%1: no right item</source>
        <translation>%1: sin elemento derecho</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>Read as settings, not as rows: %1</source>
        <translation>Leído como ajustes, no como filas: %1</translation>
    </message>
    <message>
        <source>Fields that held HTML and came in as plain text: %1</source>
        <translation>Campos con HTML importados como texto sin formato: %1</translation>
    </message>
    <message>
        <source>Read as %1: the file is not UTF-8</source>
        <translation>Leído como %1: el archivo no está en UTF-8</translation>
    </message>
    <message>
        <source>The answer &quot;%1&quot; was left out: &quot;|&quot; and &quot;::&quot; divide the answers of a gap</source>
        <translation>Se omitió la respuesta «%1»: «|» y «::» separan las respuestas de un hueco</translation>
    </message>
    <message>
        <source>%1: a sentence with key words but no other translation to file it under</source>
        <translation>%1: una frase con palabras clave pero sin otra traducción bajo la que archivarla</translation>
    </message>
    <message>
        <source>Sentences whose bold, underlined or italic words became the key words: %1</source>
        <translation>Oraciones cuyas palabras en negrita, subrayadas o en cursiva pasaron a ser las palabras clave: %1</translation>
    </message>
    <message>
        <source>Sentence %1 (%2)</source>
        <translation>Oración %1 (%2)</translation>
    </message>
    <message>
        <source>Pair %1 (%2)</source>
        <translation>Par %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the clue of a gap was left out, as it gave the answer away</source>
        <translation>%1: se omitió la pista de un hueco, porque daba la respuesta</translation>
    </message>
    <message>
        <source>%1: the clues of %2 gaps were left out, as they gave the answers away</source>
        <translation>%1: se omitieron las pistas de %2 huecos, porque daban las respuestas</translation>
    </message>
</context>
<context>
    <name>LxdRecovery</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The lock %1 cannot be taken.</source>
        <translation>No se puede obtener el bloqueo %1.</translation>
    </message>
</context>
<context>
    <name>LxdSession</name>
    <message>
        <source>Delete Output Sentences</source>
        <translation>Eliminar frases de salida</translation>
    </message>
    <message>
        <source>Clear Output</source>
        <translation>Vaciar salida</translation>
    </message>
    <message>
        <source>Move Output Up</source>
        <translation>Subir en la salida</translation>
    </message>
    <message>
        <source>Move Output Down</source>
        <translation>Bajar en la salida</translation>
    </message>
</context>
<context>
    <name>LxdbSentenceTableModel</name>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Frase</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>Lexivane</source>
        <translation>Lexivane</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move the selected sentence(s) up in the list.</source>
        <translation>Subir la(s) frase(s) seleccionada(s) en la lista.</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Move the selected sentence(s) down in the list.</source>
        <translation>Bajar la(s) frase(s) seleccionada(s) en la lista.</translation>
    </message>
    <message>
        <source>&amp;Db</source>
        <translation>&amp;Base de datos</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Nueva palabra</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>New sentence</source>
        <translation>Nueva frase</translation>
    </message>
    <message>
        <source>Delete sentence</source>
        <translation>Eliminar frase</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Include &amp;Q #s</source>
        <translation>Incluir &amp;números de pregunta</translation>
    </message>
    <message>
        <source>&amp;Gap words</source>
        <translation>Palabras como &amp;huecos</translation>
    </message>
    <message>
        <source>Brac&amp;ket words</source>
        <translation>Palabras entre &amp;corchetes</translation>
    </message>
    <message>
        <source>&amp;Jumble order</source>
        <translation>&amp;Mezclar el orden</translation>
    </message>
    <message>
        <source>Include wo&amp;rd list</source>
        <translation>Incluir &amp;lista de palabras</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Salida</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>RTF</source>
        <translation>RTF</translation>
    </message>
    <message>
        <source>JMatch</source>
        <translation>JMatch</translation>
    </message>
    <message>
        <source>JCloze</source>
        <translation>JCloze</translation>
    </message>
    <message>
        <source>Backup database</source>
        <translation>Hacer copia de seguridad</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new vocabulary database file</source>
        <translation>Crear un nuevo archivo de base de datos de vocabulario</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open an existing vocabulary database file</source>
        <translation>Abrir un archivo de base de datos de vocabulario existente</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>Open an existing vocabulary database file and append it to the current database.</source>
        <translation>Abrir un archivo de base de datos de vocabulario existente y añadirlo a la base de datos actual.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the current vocabulary database file</source>
        <translation>Guardar el archivo de base de datos de vocabulario actual</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save the current vocabulary database file with a new name</source>
        <translation>Guardar el archivo de base de datos de vocabulario actual con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Export to XML</source>
        <translation>&amp;Exportar a XML</translation>
    </message>
    <message>
        <source>Save the current vocabulary database to a file in XML format</source>
        <translation>Guardar la base de datos de vocabulario actual en un archivo con formato XML</translation>
    </message>
    <message>
        <source>&amp;Import from XML</source>
        <translation>&amp;Importar desde XML</translation>
    </message>
    <message>
        <source>Import a vocabulary database from XML format</source>
        <translation>Importar una base de datos de vocabulario en formato XML</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Nueva palabra</translation>
    </message>
    <message>
        <source>Add a new headword to the database.</source>
        <translation>Añadir una nueva entrada a la base de datos.</translation>
    </message>
    <message>
        <source>&amp;Delete word</source>
        <translation>&amp;Eliminar palabra</translation>
    </message>
    <message>
        <source>&amp;New Sentence</source>
        <translation>&amp;Nueva frase</translation>
    </message>
    <message>
        <source>Add a new sentence to the database.</source>
        <translation>Añadir una nueva frase a la base de datos.</translation>
    </message>
    <message>
        <source>&amp;Delete Sentence</source>
        <translation>&amp;Eliminar frase</translation>
    </message>
    <message>
        <source>&amp;Edit Sentence</source>
        <translation>E&amp;ditar frase</translation>
    </message>
    <message>
        <source>Edit the selected sentence.</source>
        <translation>Editar la frase seleccionada.</translation>
    </message>
    <message>
        <source>&amp;Use Sentence</source>
        <translation>&amp;Usar frase</translation>
    </message>
    <message>
        <source>Use the selected sentence(s) in the output.</source>
        <translation>Usar la(s) frase(s) seleccionada(s) en la salida.</translation>
    </message>
    <message>
        <source>&amp;Zero all used values</source>
        <translation>&amp;Poner a cero todos los contadores</translation>
    </message>
    <message>
        <source>Set the value of the &apos;Used&apos; counter to zero for all sentences in the database.</source>
        <translation>Poner a cero el contador «Usos» de todas las frases de la base de datos.</translation>
    </message>
    <message>
        <source>&amp;Include Q #s</source>
        <translation>Incluir &amp;números de pregunta</translation>
    </message>
    <message>
        <source>Include question numbers for all the sentences in the output.</source>
        <translation>Incluir números de pregunta para todas las frases de la salida.</translation>
    </message>
    <message>
        <source>Gap all the key words in the output sentences.</source>
        <translation>Sustituir todas las palabras clave de las frases de la salida por huecos.</translation>
    </message>
    <message>
        <source>&amp;Bracket words</source>
        <translation>Palabras entre &amp;corchetes</translation>
    </message>
    <message>
        <source>Include brackets around key words in the output.</source>
        <translation>Poner las palabras clave de la salida entre corchetes.</translation>
    </message>
    <message>
        <source>Jumble the order of the sentences in the output.</source>
        <translation>Mezclar el orden de las frases de la salida.</translation>
    </message>
    <message>
        <source>Include word &amp;list</source>
        <translation>Incluir &amp;lista de palabras</translation>
    </message>
    <message>
        <source>Include a list of all the gapped words in the output.</source>
        <translation>Incluir en la salida una lista de todas las palabras convertidas en huecos.</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Portapapeles</translation>
    </message>
    <message>
        <source>Place the current output sentences on the clipboard.</source>
        <translation>Copiar las frases de la salida actual al portapapeles.</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>Export the current output sentences to create an XHTML web page.</source>
        <translation>Exportar las frases de la salida actual para crear una página web XHTML.</translation>
    </message>
    <message>
        <source>&amp;RTF</source>
        <translation>&amp;RTF</translation>
    </message>
    <message>
        <source>Export the current output sentences to create an RTF word-processor document.</source>
        <translation>Exportar las frases de la salida actual para crear un documento RTF de procesador de textos.</translation>
    </message>
    <message>
        <source>J&amp;Match</source>
        <translation>J&amp;Match</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a Hot Potatoes JMatch matching exercise.</source>
        <translation>Exportar las frases de la salida actual para crear un ejercicio de emparejamiento JMatch de Hot Potatoes.</translation>
    </message>
    <message>
        <source>JClo&amp;ze</source>
        <translation>JClo&amp;ze</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a Hot Potatoes JCloze gap-fill exercise.</source>
        <translation>Exportar las frases de la salida actual para crear un ejercicio de huecos JCloze de Hot Potatoes.</translation>
    </message>
    <message>
        <source>&amp;Random output</source>
        <translation>Salida &amp;aleatoria</translation>
    </message>
    <message>
        <source>Generate a random selection of sentences in the output box.</source>
        <translation>Generar una selección aleatoria de frases en el cuadro de salida.</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search for text in the database</source>
        <translation>Buscar texto en la base de datos</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Search for the next instance of text in the database</source>
        <translation>Buscar la siguiente aparición del texto en la base de datos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Open the Help file.</source>
        <translation>Abrir la ayuda.</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Primeros pasos</translation>
    </message>
    <message>
        <source>Show the &apos;Getting started&apos; topic in the Help file.</source>
        <translation>Mostrar el tema «Primeros pasos» de la ayuda.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Show information about the application.</source>
        <translation>Mostrar información sobre el programa.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>&amp;Sentences</source>
        <translation>&amp;Frases</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1: %2[*] - %3</source>
        <translation>%1: %2[*] - %3</translation>
    </message>
    <message>
        <source>database</source>
        <translation>base de datos</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Add new headword</source>
        <translation>Añadir nueva entrada</translation>
    </message>
    <message>
        <source>New headword:</source>
        <translation>Nueva entrada:</translation>
    </message>
    <message>
        <source>Headword already exists</source>
        <translation>La entrada ya existe</translation>
    </message>
    <message>
        <source>This word already exists in the database.</source>
        <translation>Esta palabra ya existe en la base de datos.</translation>
    </message>
    <message>
        <source>Are you sure you want to add a duplicate of it?</source>
        <translation>¿Seguro que desea añadirla otra vez?</translation>
    </message>
    <message>
        <source>Edit headword</source>
        <translation>Editar entrada</translation>
    </message>
    <message>
        <source>Altered headword:</source>
        <translation>Entrada modificada:</translation>
    </message>
    <message>
        <source>Deleting headwords</source>
        <translation>Eliminar entradas</translation>
    </message>
    <message>
        <source>You are about to delete the following words, along with all their associated sentences:</source>
        <translation>Está a punto de eliminar las siguientes palabras junto con todas sus frases:</translation>
    </message>
    <message>
        <source>Enter your sentence here. Words in square [brackets] will be gapped.</source>
        <translation>Escriba aquí su frase. Las palabras entre [corchetes] se convertirán en huecos.</translation>
    </message>
    <message>
        <source>You are about to delete this sentence from the database.</source>
        <translation>Está a punto de eliminar esta frase de la base de datos.</translation>
    </message>
    <message>
        <source>You are about to delete %1 sentences from the database.</source>
        <translation>Está a punto de eliminar %1 frases de la base de datos.</translation>
    </message>
    <message>
        <source>Deleting sentences</source>
        <translation>Eliminar frases</translation>
    </message>
    <message>
        <source>Reset &apos;Used&apos; counters</source>
        <translation>Poner a cero los contadores «Usos»</translation>
    </message>
    <message>
        <source>You are about to set the &apos;Used&apos; counters for
 all sentences in the database to zero.</source>
        <translation>Está a punto de poner a cero los contadores «Usos» de
 todas las frases de la base de datos.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search for:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Unable to find &quot;%1&quot; in the database.</source>
        <translation>No se ha encontrado «%1» en la base de datos.</translation>
    </message>
    <message>
        <source>Template file missing</source>
        <translation>Falta el archivo de plantilla</translation>
    </message>
    <message>
        <source>Unable to load the template file from 
</source>
        <translation>No se puede cargar el archivo de plantilla desde 
</translation>
    </message>
    <message>
        <source>Problem loading template file</source>
        <translation>Problema al cargar el archivo de plantilla</translation>
    </message>
    <message>
        <source>Problem with template file</source>
        <translation>Problema con el archivo de plantilla</translation>
    </message>
    <message>
        <source>This template file appears to be corrupted: 
</source>
        <translation>Este archivo de plantilla parece estar dañado: 
</translation>
    </message>
    <message>
        <source>Do you want to open the saved file?</source>
        <translation>¿Desea abrir el archivo guardado?</translation>
    </message>
    <message>
        <source>Save RTF file</source>
        <translation>Guardar archivo RTF</translation>
    </message>
    <message>
        <source>RTF files (*.rtf)</source>
        <translation>Archivos RTF (*.rtf)</translation>
    </message>
    <message>
        <source>Problem saving RTF file</source>
        <translation>Problema al guardar el archivo RTF</translation>
    </message>
    <message>
        <source>Unable to save the RTF file to 
</source>
        <translation>No se puede guardar el archivo RTF en 
</translation>
    </message>
    <message>
        <source>Open RTF file</source>
        <translation>Abrir archivo RTF</translation>
    </message>
    <message>
        <source>Save XHTML file</source>
        <translation>Guardar archivo XHTML</translation>
    </message>
    <message>
        <source>Web page files (*.htm *.html *.xhtml)</source>
        <translation>Páginas web (*.htm *.html *.xhtml)</translation>
    </message>
    <message>
        <source>Problem saving XHTML file</source>
        <translation>Problema al guardar el archivo XHTML</translation>
    </message>
    <message>
        <source>Unable to save the XHTML file to 
</source>
        <translation>No se puede guardar el archivo XHTML en 
</translation>
    </message>
    <message>
        <source>Open XHTML file</source>
        <translation>Abrir archivo XHTML</translation>
    </message>
    <message>
        <source>Save JMatch file</source>
        <translation>Guardar archivo JMatch</translation>
    </message>
    <message>
        <source>JMatch files (*.jmt)</source>
        <translation>Archivos JMatch (*.jmt)</translation>
    </message>
    <message>
        <source>Problem saving JMatch file</source>
        <translation>Problema al guardar el archivo JMatch</translation>
    </message>
    <message>
        <source>Unable to save the JMatch file to 
</source>
        <translation>No se puede guardar el archivo JMatch en 
</translation>
    </message>
    <message>
        <source>Open JMatch file</source>
        <translation>Abrir archivo JMatch</translation>
    </message>
    <message>
        <source>Save JCloze file</source>
        <translation>Guardar archivo JCloze</translation>
    </message>
    <message>
        <source>JCloze files (*.jcl)</source>
        <translation>Archivos JCloze (*.jcl)</translation>
    </message>
    <message>
        <source>Problem saving JCloze file</source>
        <translation>Problema al guardar el archivo JCloze</translation>
    </message>
    <message>
        <source>Unable to save the JCloze file to 
</source>
        <translation>No se puede guardar el archivo JCloze en 
</translation>
    </message>
    <message>
        <source>Open JCloze file</source>
        <translation>Abrir archivo JCloze</translation>
    </message>
    <message>
        <source>Duplicate entries in database</source>
        <translation>Entradas duplicadas en la base de datos</translation>
    </message>
    <message>
        <source>The database you are appending contains some of the same headwords as the current database.</source>
        <translation>La base de datos que está añadiendo contiene algunas de las mismas entradas que la base de datos actual.</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>You can either merge duplicate headwords into a single entry, or keep the duplicates.</source>
        <translation>Puede fusionar las entradas duplicadas en una sola entrada o conservar los duplicados.</translation>
    </message>
    <message>
        <source>Would you like to merge duplicates or keep them?</source>
        <translation>¿Desea fusionar los duplicados o conservarlos?</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionar</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
    <message>
        <source>Resource file</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>La base de datos ha sido modificada.
¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Open vocabulary database file</source>
        <translation>Abrir archivo de base de datos de vocabulario</translation>
    </message>
    <message>
        <source>Vocabulary database files (*.lxv *.voc)</source>
        <translation>Bases de datos de vocabulario (*.lxv *.voc)</translation>
    </message>
    <message>
        <source>Append vocabulary database file</source>
        <translation>Añadir archivo de base de datos de vocabulario</translation>
    </message>
    <message>
        <source>File open error</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>This file is not a vocabulary database:
%1</source>
        <translation>Este archivo no es una base de datos de vocabulario:
%1</translation>
    </message>
    <message>
        <source>Appending file failed.</source>
        <translation>No se ha podido añadir el archivo.</translation>
    </message>
    <message>
        <source>Loading cancelled.</source>
        <translation>Carga cancelada.</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Archivo cargado</translation>
    </message>
    <message>
        <source>Appending file completed.</source>
        <translation>Archivo añadido.</translation>
    </message>
    <message>
        <source>Appending file cancelled.</source>
        <translation>Se ha cancelado la adición del archivo.</translation>
    </message>
    <message>
        <source>Save database file</source>
        <translation>Guardar base de datos</translation>
    </message>
    <message>
        <source>Vocabulary database files (*.lxv)</source>
        <translation>Bases de datos de vocabulario (*.lxv)</translation>
    </message>
    <message>
        <source>Save cancelled</source>
        <translation>Guardado cancelado</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>Archivo guardado</translation>
    </message>
    <message>
        <source>Backup created</source>
        <translation>Copia de seguridad creada</translation>
    </message>
    <message>
        <source>Your database has been backed up to:
%1</source>
        <translation>Se ha hecho una copia de seguridad de su base de datos en:
%1</translation>
    </message>
    <message>
        <source>Backup failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Your database could not be backed up to:
%1</source>
        <translation>No se ha podido hacer una copia de seguridad de su base de datos en:
%1</translation>
    </message>
    <message>
        <source>Export XML file</source>
        <translation>Exportar archivo XML</translation>
    </message>
    <message>
        <source>XML files (*.xml)</source>
        <translation>Archivos XML (*.xml)</translation>
    </message>
    <message>
        <source>XML file saved</source>
        <translation>Archivo XML guardado</translation>
    </message>
    <message>
        <source>Export complete.</source>
        <translation>Exportación completada.</translation>
    </message>
    <message>
        <source>Characters left out</source>
        <translation>Caracteres omitidos</translation>
    </message>
    <message>
        <source>One text held characters that an XML file cannot hold (control characters and the like); they were left out. It now reads:</source>
        <translation>Un texto contenía caracteres que un archivo XML no puede contener (caracteres de control y similares); se han omitido. Ahora dice:</translation>
    </message>
    <message>
        <source>%1 texts held characters that an XML file cannot hold (control characters and the like); they were left out. The first now reads:</source>
        <translation>%1 textos contenían caracteres que un archivo XML no puede contener (caracteres de control y similares); se han omitido. El primero dice ahora:</translation>
    </message>
    <message>
        <source>File save error</source>
        <translation>Error al guardar el archivo</translation>
    </message>
    <message>
        <source>Unable to save XML file: %1</source>
        <translation>No se puede guardar el archivo XML: %1</translation>
    </message>
    <message>
        <source>Import vocabulary database from XML file</source>
        <translation>Importar base de datos de vocabulario desde archivo XML</translation>
    </message>
    <message>
        <source>Unable to open XML file: %1</source>
        <translation>No se puede abrir el archivo XML: %1</translation>
    </message>
    <message>
        <source>Output box will be cleared</source>
        <translation>Se vaciará el cuadro de salida</translation>
    </message>
    <message>
        <source>This will remove the sentences currently in the output box.</source>
        <translation>Se quitarán las frases que hay ahora en el cuadro de salida.</translation>
    </message>
    <message>
        <source>Not enough sentences</source>
        <translation>No hay suficientes frases</translation>
    </message>
    <message>
        <source>There aren&apos;t enough sentences in the
database matching your criteria to
complete your exercise.</source>
        <translation>No hay suficientes frases en la
base de datos que cumplan sus criterios
para completar el ejercicio.</translation>
    </message>
    <message>
        <source>Text copied to clipboard</source>
        <translation>Texto copiado al portapapeles</translation>
    </message>
    <message>
        <source>Your exercise has been copied to the clipboard.
You can paste it into any text application.</source>
        <translation>Su ejercicio se ha copiado al portapapeles.
Puede pegarlo en cualquier programa de texto.</translation>
    </message>
    <message>
        <source>Failed to copy database file</source>
        <translation>No se ha podido copiar el archivo de base de datos</translation>
    </message>
    <message>
        <source>Unable to copy the database file %1 to %2.</source>
        <translation>No se puede copiar el archivo de base de datos %1 en %2.</translation>
    </message>
    <message>
        <source>1 entry without a key word was left out of the pairs.</source>
        <translation>Se ha dejado fuera de las parejas 1 entrada sin palabra clave.</translation>
    </message>
    <message>
        <source>%1 entries without a key word were left out of the pairs.</source>
        <translation>Se han dejado fuera de las parejas %1 entradas sin palabra clave.</translation>
    </message>
    <message>
        <source>Nothing to match</source>
        <translation>Nada que emparejar</translation>
    </message>
    <message>
        <source>None of the output entries has a key word, so a JMatch exercise would have no pairs. No file was written.</source>
        <translation>Ninguna de las entradas de la salida tiene palabra clave, así que un ejercicio JMatch no tendría parejas. No se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>&amp;Interactive web page</source>
        <translation>Página web &amp;interactiva</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Interactiva</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a self-checking web exercise that works offline in any browser.</source>
        <translation>Exportar las frases de la salida actual para crear un ejercicio web autocorregible que funciona sin conexión en cualquier navegador.</translation>
    </message>
    <message>
        <source>Save interactive web page</source>
        <translation>Guardar página web interactiva</translation>
    </message>
    <message>
        <source>Web page files (*.html *.htm)</source>
        <translation>Páginas web (*.html *.htm)</translation>
    </message>
    <message>
        <source>Problem saving interactive web page</source>
        <translation>Problema al guardar la página web interactiva</translation>
    </message>
    <message>
        <source>Unable to save the interactive web page to 
</source>
        <translation>No se puede guardar la página web interactiva en 
</translation>
    </message>
    <message>
        <source>Open interactive web page</source>
        <translation>Abrir página web interactiva</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change to the database.</source>
        <translation>Deshacer el último cambio en la base de datos.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Make the change again that was undone last.</source>
        <translation>Volver a aplicar el último cambio deshecho.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Use Sentences</source>
        <translation>Usar frases</translation>
    </message>
    <message>
        <source>Random Output</source>
        <translation>Salida aleatoria</translation>
    </message>
    <message>
        <source>Im&amp;port...</source>
        <translation>Im&amp;portar...</translation>
    </message>
    <message>
        <source>Add the words of a spreadsheet (CSV, TSV), KVTML or Hot Potatoes file to the current database.</source>
        <translation>Añadir a la base de datos actual las palabras de una hoja de cálculo (CSV, TSV), un archivo KVTML o de Hot Potatoes.</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Importar lista de palabras</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Spreadsheet text (*.csv *.tsv *.txt);;KVTML vocabulary files (*.kvtml);;Hot Potatoes JCloze files (*.jcl);;Hot Potatoes JMatch files (*.jmt);;All files (*)</source>
        <translation>Listas de palabras (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Texto de hoja de cálculo (*.csv *.tsv *.txt);;Archivos de vocabulario KVTML (*.kvtml);;Archivos JCloze de Hot Potatoes (*.jcl);;Archivos JMatch de Hot Potatoes (*.jmt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importación cancelada.</translation>
    </message>
    <message>
        <source>It holds no headwords.</source>
        <translation>No contiene entradas.</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.
%2</source>
        <translation>No se importó nada de %1.
%2</translation>
    </message>
    <message>
        <source>Import completed.</source>
        <translation>Importación terminada.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importado de %1:</translation>
    </message>
    <message>
        <source>Headwords: %1 (%2 new, %3 merged into headwords already there)</source>
        <translation>Entradas: %1 (%2 nuevas, %3 fusionadas con entradas ya presentes)</translation>
    </message>
    <message>
        <source>Sentences: %1 (%2 new, %3 already there)</source>
        <translation>Frases: %1 (%2 nuevas, %3 ya presentes)</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Importación terminada</translation>
    </message>
    <message>
        <source>Nothing was skipped.</source>
        <translation>No se omitió nada.</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... y %1 más (vea los detalles)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitidos: %1</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>Clave de &amp;respuestas</translation>
    </message>
    <message>
        <source>Shuffle word &amp;list</source>
        <translation>Mezclar la lista de &amp;palabras</translation>
    </message>
    <message>
        <source>Add an answer key to the output: the answers of each question, in order.</source>
        <translation>Añadir una clave de respuestas a la salida: las respuestas de cada pregunta, en orden.</translation>
    </message>
    <message>
        <source>Shu&amp;ffle word list</source>
        <translation>Mezclar la lista de &amp;palabras</translation>
    </message>
    <message>
        <source>&amp;PDF document</source>
        <translation>Documento P&amp;DF</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a PDF document, ready to print.</source>
        <translation>Exportar las frases de la salida actual para crear un documento PDF listo para imprimir.</translation>
    </message>
    <message>
        <source>Save PDF document</source>
        <translation>Guardar documento PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Problem saving PDF document</source>
        <translation>Problema al guardar el documento PDF</translation>
    </message>
    <message>
        <source>Unable to save the PDF document to 
</source>
        <translation>No se puede guardar el documento PDF en 
</translation>
    </message>
    <message>
        <source>Open PDF document</source>
        <translation>Abrir documento PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print the current output sentences as an exercise sheet, with a preview first.</source>
        <translation>Imprimir las frases de la salida actual como hoja de ejercicios, con una vista previa antes.</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>A headword cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Una entrada no puede contener &quot;&amp;&amp;&amp;&quot;.</translation>
    </message>
    <message>
        <source>Large file</source>
        <translation>Archivo grande</translation>
    </message>
    <message>
        <source>The file %1 is %2 large. Reading it takes a long time and about ten times as much memory.</source>
        <translation>El archivo %1 ocupa %2. Leerlo lleva mucho tiempo y unas diez veces más memoria.</translation>
    </message>
    <message>
        <source>Texts changed</source>
        <translation>Textos cambiados</translation>
    </message>
    <message>
        <source>%1 of the imported texts held &quot;&amp;&amp;&amp;&quot;, which a database file cannot store; they were imported with it written as &quot;&amp; &amp; &amp;&quot;.</source>
        <translation>%1 de los textos importados contenían &quot;&amp;&amp;&amp;&quot;, que un archivo de base de datos no puede guardar; se importaron con &quot;&amp; &amp; &amp;&quot; en su lugar.</translation>
    </message>
    <message>
        <source>Moodle quiz (&amp;XML)</source>
        <translation>Cuestionario Moodle (&amp;XML)</translation>
    </message>
    <message>
        <source>Moodle</source>
        <translation>Moodle</translation>
    </message>
    <message>
        <source>Export the current output sentences as questions for a Moodle quiz, in Moodle XML format.</source>
        <translation>Exportar las frases actuales de la salida como preguntas de un cuestionario Moodle, en formato Moodle XML.</translation>
    </message>
    <message>
        <source>Save Moodle XML file</source>
        <translation>Guardar archivo Moodle XML</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Archivos Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>Problem saving Moodle XML file</source>
        <translation>Problema al guardar el archivo Moodle XML</translation>
    </message>
    <message>
        <source>Unable to save the Moodle XML file to 
</source>
        <translation>No se puede guardar el archivo Moodle XML en 
</translation>
    </message>
    <message>
        <source>Moodle ma&amp;tching question (XML)</source>
        <translation>Pregunta de empare&amp;jamiento Moodle (XML)</translation>
    </message>
    <message>
        <source>Export the current output sentences as one Moodle matching question, in Moodle XML format.</source>
        <translation>Exportar las frases actuales de la salida como una pregunta de emparejamiento Moodle, en formato Moodle XML.</translation>
    </message>
    <message>
        <source>Save Moodle matching question</source>
        <translation>Guardar pregunta de emparejamiento Moodle</translation>
    </message>
    <message>
        <source>Moodle matching question</source>
        <translation>Pregunta de emparejamiento Moodle</translation>
    </message>
    <message>
        <source>A matching question needs at least two sentences with key words in the output list.</source>
        <translation>Una pregunta de emparejamiento necesita al menos dos frases con palabras clave en la lista de salida.</translation>
    </message>
    <message>
        <source>Moodle quiz (&amp;GIFT)</source>
        <translation>Cuestionario Moodle (&amp;GIFT)</translation>
    </message>
    <message>
        <source>Export the current output sentences as questions for a Moodle quiz, in GIFT format.</source>
        <translation>Exportar las frases actuales de la salida como preguntas de un cuestionario Moodle, en formato GIFT.</translation>
    </message>
    <message>
        <source>Save GIFT file</source>
        <translation>Guardar archivo GIFT</translation>
    </message>
    <message>
        <source>GIFT files (*.txt *.gift)</source>
        <translation>Archivos GIFT (*.txt *.gift)</translation>
    </message>
    <message>
        <source>Problem saving GIFT file</source>
        <translation>Problema al guardar el archivo GIFT</translation>
    </message>
    <message>
        <source>Unable to save the GIFT file to 
</source>
        <translation>No se puede guardar el archivo GIFT en 
</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>%1 names the step</comment>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>%1 names the step</comment>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Importar lista de palabras</translation>
    </message>
    <message>
        <source>The words could not be added to the database.</source>
        <translation>No se pudieron añadir las palabras a la base de datos.</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>The database %1 is open in another copy of %2 (user %3, computer %4) since %5.</source>
        <translation>La base de datos %1 está abierta en otra copia de %2 (usuario %3, equipo %4) desde %5.</translation>
    </message>
    <message>
        <source>Database in use</source>
        <translation>Base de datos en uso</translation>
    </message>
    <message>
        <source>When two copies save the same database, the changes of one are lost. Open it read-only (saving then asks for another name), or open it anyway?</source>
        <translation>Si dos copias guardan la misma base de datos, se pierden los cambios de una de ellas. ¿Abrirla en solo lectura (al guardar se pedirá otro nombre) o abrirla de todos modos?</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Abrir en solo lectura</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Abrir de todos modos</translation>
    </message>
    <message>
        <source>The database was not saved.</source>
        <translation>La base de datos no se ha guardado.</translation>
    </message>
    <message>
        <source>Database changed on disk</source>
        <translation>Base de datos modificada en el disco</translation>
    </message>
    <message>
        <source>Another program has changed the database file %1 since it was opened or last saved here.</source>
        <translation>Otro programa ha modificado el archivo de base de datos %1 desde que se abrió o se guardó aquí por última vez.</translation>
    </message>
    <message>
        <source>Overwrite the file with this window&apos;s database, or merge the file&apos;s headwords and sentences into this database and then save?</source>
        <translation>¿Sobrescribir el archivo con la base de datos de esta ventana, o fusionar las entradas y las frases del archivo con esta base de datos y después guardar?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Error al fusionar</translation>
    </message>
    <message>
        <source>The database file %1 could not be read; nothing was merged.</source>
        <translation>No se pudo leer el archivo de base de datos %1; no se ha fusionado nada.</translation>
    </message>
    <message>
        <source>Changes on disk merged.</source>
        <translation>Cambios del disco fusionados.</translation>
    </message>
    <message>
        <source>File reloaded</source>
        <translation>Archivo recargado</translation>
    </message>
    <message>
        <source>The database file %1 could not be read.</source>
        <translation>No se pudo leer el archivo de base de datos %1.</translation>
    </message>
    <message>
        <source>Another program has changed the database file %1.</source>
        <translation>Otro programa ha modificado el archivo de base de datos %1.</translation>
    </message>
    <message>
        <source>Reload it, or keep what this window shows?</source>
        <translation>¿Recargarla o conservar lo que muestra esta ventana?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Keep what is shown</source>
        <translation>Conservar lo mostrado</translation>
    </message>
    <message>
        <source>This window has changes that are not saved. Merge the file&apos;s headwords and sentences into this database, reload the file and lose this window&apos;s changes, or keep your own?</source>
        <translation>Esta ventana tiene cambios sin guardar. ¿Fusionar las entradas y las frases del archivo con esta base de datos, recargar el archivo y perder los cambios de esta ventana, o conservar los suyos?</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Conservar los míos</translation>
    </message>
    <message>
        <source>Reload database</source>
        <translation>Recargar la base de datos</translation>
    </message>
    <message>
        <source>Reloading discards the changes made in this window since the database was last saved.</source>
        <translation>Al recargar se descartan los cambios hechos en esta ventana desde la última vez que se guardó la base de datos.</translation>
    </message>
    <message>
        <source>Database file removed</source>
        <translation>Archivo de base de datos eliminado</translation>
    </message>
    <message>
        <source>The database file %1 has been deleted or moved away. Saving writes it anew.</source>
        <translation>El archivo de base de datos %1 se ha eliminado o movido. Al guardar se vuelve a escribir.</translation>
    </message>
    <message>
        <source>The recovery copy could not be written: %1</source>
        <translation>No se pudo escribir la copia de recuperación: %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 from %2 can be recovered.</source>
        <translation>Se pueden recuperar cambios sin guardar de %1 del %2.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>The unsaved changes were discarded.</source>
        <translation>Se descartaron los cambios sin guardar.</translation>
    </message>
    <message>
        <source>Recovery failed</source>
        <translation>La recuperación ha fallado</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read.</source>
        <translation>No se puede leer la copia de recuperación %1.</translation>
    </message>
    <message>
        <source>Unsaved changes recovered</source>
        <translation>Cambios sin guardar recuperados</translation>
    </message>
    <message>
        <source>Unable to save database file: %1</source>
        <translation>No se puede guardar el archivo de base de datos: %1</translation>
    </message>
    <message>
        <source>Exercise &amp;title:</source>
        <translation>&amp;Título del ejercicio:</translation>
    </message>
    <message>
        <source>the database&apos;s name</source>
        <translation>el nombre de la base de datos</translation>
    </message>
    <message>
        <source>Shuffle the questions and the word list anew for the next export.</source>
        <translation>Volver a mezclar las preguntas y la lista de palabras para la próxima exportación.</translation>
    </message>
    <message>
        <source>The next export is shuffled anew.</source>
        <translation>La próxima exportación se mezclará de nuevo.</translation>
    </message>
    <message>
        <source>Shuffle the word list: one word for each gap, in a random order.</source>
        <translation>Mezclar la lista de palabras: una palabra por hueco, en orden aleatorio.</translation>
    </message>
    <message>
        <source>Clues and alternatives left out</source>
        <translation>Pistas y respuestas alternativas omitidas</translation>
    </message>
    <message>
        <source>This format shows only the first answer of each gap and no clue. In these sentences the other answers and the clues are left out:</source>
        <translation>Este formato muestra solo la primera respuesta de cada hueco y ninguna pista. En estas frases se omiten las demás respuestas y las pistas:</translation>
    </message>
    <message>
        <source>&amp;New shuffle</source>
        <translation>&amp;Remezclar</translation>
    </message>
    <message>
        <source>E&amp;xtra words:</source>
        <translation>Palabras e&amp;xtra:</translation>
    </message>
    <message>
        <source>Add N words from the database: key words of other sentences, of a length close to the answers&apos;, to the word bank and the drop-down lists.</source>
        <translation>Añadir N palabras de la base de datos: palabras clave de otras frases, de una longitud parecida a la de las respuestas, al banco de palabras y a las listas desplegables.</translation>
    </message>
    <message>
        <source>Extra words left out</source>
        <translation>Palabras extra omitidas</translation>
    </message>
    <message>
        <source>The word list is switched off, so these extra words are left out:</source>
        <translation>La lista de palabras está desactivada, así que estas palabras extra se omiten:</translation>
    </message>
    <message>
        <source>This export has no word bank to put these extra words in; they are left out:</source>
        <translation>Esta exportación no tiene banco de palabras para estas palabras extra; se omiten:</translation>
    </message>
    <message>
        <source>They come from &quot;Extra words&quot; and &quot;From the database&quot; in the options, which are kept with the exercise.</source>
        <translation>Vienen de «Palabras extra» y «De la base» en las opciones, que se guardan con el ejercicio.</translation>
    </message>
    <message>
        <source>Extra words: words that fill no gap, one a line or separated by commas</source>
        <translation>Palabras extra: palabras que no llenan ningún hueco, una por línea o separadas por comas</translation>
    </message>
    <message>
        <source>Extra words</source>
        <translation>Palabras extra</translation>
    </message>
    <message>
        <source>From the data&amp;base:</source>
        <translation>De la &amp;base:</translation>
    </message>
    <message>
        <source>Hot Potatoes players</source>
        <translation>Reproductores de Hot Potatoes</translation>
    </message>
    <message>
        <source>Neither the suite&apos;s own page nor Moodle&apos;s player can show these as typed:</source>
        <translation>Ni la página de la propia suite ni el reproductor de Moodle pueden mostrar esto tal como se escribió:</translation>
    </message>
    <message>
        <source>&amp;Rename headword</source>
        <translation>&amp;Renombrar entrada</translation>
    </message>
    <message>
        <source>Change the text of the selected headword.</source>
        <translation>Cambiar el texto de la entrada seleccionada.</translation>
    </message>
    <message>
        <source>Remove the selected sentences from the output list.</source>
        <translation>Quitar las frases seleccionadas de la lista de salida.</translation>
    </message>
    <message>
        <source>Remove all sentences from the output list.</source>
        <translation>Quitar todas las frases de la lista de salida.</translation>
    </message>
    <message>
        <source>Found in a sentence of &quot;%1&quot;</source>
        <translation>Encontrado en una frase de «%1»</translation>
    </message>
    <message>
        <source>Found in the headword &quot;%1&quot;</source>
        <translation>Encontrado en la entrada «%1»</translation>
    </message>
    <message>
        <source>Moodle XML file saved</source>
        <translation>Archivo Moodle XML guardado</translation>
    </message>
    <message>
        <source>GIFT file saved</source>
        <translation>Archivo GIFT guardado</translation>
    </message>
    <message>
        <source>Do you want to show the saved file in its folder?</source>
        <translation>¿Desea abrir la carpeta del archivo guardado?</translation>
    </message>
    <message>
        <source>H5P</source>
        <translation>H5P</translation>
    </message>
    <message>
        <source>H5P files (*.h5p)</source>
        <translation>Archivos H5P (*.h5p)</translation>
    </message>
    <message>
        <source>Problem saving H5P file</source>
        <translation>Problema al guardar el archivo H5P</translation>
    </message>
    <message>
        <source>Unable to save the H5P file to 
</source>
        <translation>No se puede guardar el archivo H5P en 
</translation>
    </message>
    <message>
        <source>Open H5P file</source>
        <translation>Abrir archivo H5P</translation>
    </message>
    <message>
        <source>None of the output entries has a key word that H5P can hold. No file was written.</source>
        <translation>Ninguna de las oraciones de salida tiene una palabra clave que H5P pueda contener. No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>H5P marks gaps with &quot;*&quot;, &quot;/&quot; and &quot;:&quot; and cannot hold them in an answer. These are left out of the file:</source>
        <translation>H5P marca los huecos con «*», «/» y «:» y no puede contenerlos en una respuesta. Esto se omite del archivo:</translation>
    </message>
    <message>
        <source>H5P: &amp;Fill in the Blanks</source>
        <translation>H5P: &amp;Rellenar huecos (Fill in the Blanks)</translation>
    </message>
    <message>
        <source>Export the current output sentences as an H5P &quot;Fill in the Blanks&quot; exercise; the learning platform needs that content type installed.</source>
        <translation>Exportar las oraciones de salida actuales como ejercicio H5P «Fill in the Blanks»; la plataforma de aprendizaje necesita ese tipo de contenido instalado.</translation>
    </message>
    <message>
        <source>Save H5P Fill in the Blanks file</source>
        <translation>Guardar archivo H5P «Fill in the Blanks»</translation>
    </message>
    <message>
        <source>H5P: &amp;Drag the Words</source>
        <translation>H5P: &amp;Arrastrar palabras (Drag the Words)</translation>
    </message>
    <message>
        <source>Export the current output sentences as an H5P &quot;Drag the Words&quot; exercise; the learning platform needs that content type installed.</source>
        <translation>Exportar las oraciones de salida actuales como ejercicio H5P «Drag the Words»; la plataforma de aprendizaje necesita ese tipo de contenido instalado.</translation>
    </message>
    <message>
        <source>Save H5P Drag the Words file</source>
        <translation>Guardar archivo H5P «Drag the Words»</translation>
    </message>
    <message>
        <source>&amp;SCORM package (interactive page)</source>
        <translation>Paquete &amp;SCORM (página interactiva)</translation>
    </message>
    <message>
        <source>Export the current output sentences as a SCORM 1.2 package of the interactive web page, which reports the pupil&apos;s score to the learning platform.</source>
        <translation>Exportar las oraciones de salida actuales como paquete SCORM 1.2 de la página web interactiva, que comunica la puntuación del alumno a la plataforma de aprendizaje.</translation>
    </message>
    <message>
        <source>Save SCORM package</source>
        <translation>Guardar paquete SCORM</translation>
    </message>
    <message>
        <source>SCORM packages (*.zip)</source>
        <translation>Paquetes SCORM (*.zip)</translation>
    </message>
    <message>
        <source>Problem saving SCORM package</source>
        <translation>Problema al guardar el paquete SCORM</translation>
    </message>
    <message>
        <source>Unable to save the SCORM package to 
</source>
        <translation>No se puede guardar el paquete SCORM en 
</translation>
    </message>
    <message>
        <source>Open SCORM package</source>
        <translation>Abrir paquete SCORM</translation>
    </message>
    <message>
        <source>The ZIP archive could not be made.</source>
        <translation>No se pudo crear el archivo ZIP.</translation>
    </message>
    <message>
        <source>LMS</source>
        <translation>LMS</translation>
    </message>
    <message>
        <source>New headwords: %1</source>
        <translation>Nuevas entradas: %1</translation>
    </message>
    <message>
        <source>Sentences without a key word, which make no gap until brackets are added: %1</source>
        <translation>Frases sin palabra clave, que no dan ningún hueco hasta que se añadan corchetes: %1</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Convertidos: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>The lock was made on another computer; whether that copy still runs cannot be told from here. If it does not, Open anyway removes its lock.</source>
        <translation>El bloqueo se creó en otro ordenador; desde aquí no se puede saber si esa copia sigue en marcha. Si no lo está, «Abrir de todos modos» elimina su bloqueo.</translation>
    </message>
    <message>
        <source>That copy opened the database after this window did. The database was not saved; save it under another name.</source>
        <translation>Esa copia abrió la base de datos después que esta ventana. La base de datos no se ha guardado; guárdela con otro nombre.</translation>
    </message>
    <message>
        <source>Unable to make the working database %1 from %2:
%3
The program tries again at its next start.</source>
        <translation>No se puede crear la base de datos de trabajo %1 a partir de %2:
%3
El programa lo volverá a intentar en el próximo inicio.</translation>
    </message>
    <message>
        <source>The exercise could not be kept: %1</source>
        <translation>No se pudo conservar el ejercicio: %1</translation>
    </message>
    <message>
        <source>1 entry without a key word was left out of the cards.</source>
        <translation>Se ha omitido de las tarjetas 1 entrada sin palabra clave.</translation>
    </message>
    <message>
        <source>%1 entries without a key word were left out of the cards.</source>
        <translation>Se han omitido de las tarjetas %1 entradas sin palabra clave.</translation>
    </message>
    <message>
        <source>Nothing to practise</source>
        <translation>Nada que practicar</translation>
    </message>
    <message>
        <source>None of the output entries has a key word, so there would be no flash cards. No file was written.</source>
        <translation>Ninguna de las frases de salida tiene palabra clave, así que no habría tarjetas. No se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>Anki text files (*.txt)</source>
        <translation>Archivos de texto de Anki (*.txt)</translation>
    </message>
    <message>
        <source>Quizlet text files (*.txt)</source>
        <translation>Archivos de texto de Quizlet (*.txt)</translation>
    </message>
    <message>
        <source>Hints left out</source>
        <translation>Pistas omitidas</translation>
    </message>
    <message>
        <source>This format has no place for a hint beside a gap; its gaps are made without hints.</source>
        <translation>Este formato no tiene sitio para una pista junto a un hueco; sus huecos se hacen sin pistas.</translation>
    </message>
    <message>
        <source>Choices left out</source>
        <translation>Opciones omitidas</translation>
    </message>
    <message>
        <source>This format cannot offer a gap its own choices. In these sentences the wrong choices are left out and only the answers kept:</source>
        <translation>Este formato no puede ofrecer opciones propias para un hueco. En estas frases se omiten las opciones incorrectas y solo quedan las respuestas:</translation>
    </message>
    <message>
        <source>Sentences kept</source>
        <translation>Frases conservadas</translation>
    </message>
    <message>
        <source>%1 files were saved. Do you want to show them in their folder?</source>
        <translation>Se han guardado %1 archivos. ¿Quiere mostrarlos en su carpeta?</translation>
    </message>
    <message>
        <source>Overwrite files?</source>
        <translation>¿Sobrescribir los archivos?</translation>
    </message>
    <message>
        <source>These files already exist:
%1
Are you sure you want to overwrite them?</source>
        <translation>Estos archivos ya existen:
%1
¿Seguro que desea sobrescribirlos?</translation>
    </message>
    <message>
        <source>Written before it:</source>
        <translation>Escritos antes:</translation>
    </message>
    <message>
        <source>&amp;Differentiated sheets</source>
        <translation>Hojas &amp;diferenciadas</translation>
    </message>
    <message>
        <source>Three sheets of one exercise in one order, so one key serves them all: with the word bank, with the first letter of each answer, and plain.</source>
        <translation>Tres hojas de un ejercicio en el mismo orden, para que una sola clave sirva para todas: con el banco de palabras, con la primera letra de cada respuesta y sin ayuda.</translation>
    </message>
    <message>
        <source>H&amp;ints:</source>
        <translation>P&amp;istas:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>First letter</source>
        <translation>Primera letra</translation>
    </message>
    <message>
        <source>Letter count</source>
        <translation>Número de letras</translation>
    </message>
    <message>
        <source>What each gap shows of its answer.</source>
        <translation>Lo que cada hueco muestra de su respuesta.</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versiones:</translation>
    </message>
    <message>
        <source>Versions A, B, C... of the exercise, each with its own key.</source>
        <translation>Versiones A, B, C… del ejercicio, cada una con su propia clave.</translation>
    </message>
    <message>
        <source>Reordered</source>
        <translation>Reordenadas</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Paralelas</translation>
    </message>
    <message>
        <source>Kind of versions</source>
        <translation>Tipo de versiones</translation>
    </message>
    <message>
        <source>Reordered: the same sentences in another order. Parallel: other sentences of the same headwords.</source>
        <translation>Reordenadas: las mismas frases en otro orden. Paralelas: otras frases de las mismas entradas.</translation>
    </message>
    <message>
        <source>Ke&amp;ys at the end</source>
        <translation>S&amp;oluciones al final</translation>
    </message>
    <message>
        <source>In a PDF document or a print: all the keys after all the versions.</source>
        <translation>En un documento PDF o una impresión: todas las soluciones después de todas las versiones.</translation>
    </message>
    <message>
        <source>&amp;Anki flash cards</source>
        <translation>Tarjetas de &amp;Anki</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Export the current output sentences as cloze flash cards for Anki.</source>
        <translation>Exportar las frases de salida actuales como tarjetas de huecos para Anki.</translation>
    </message>
    <message>
        <source>Save Anki file</source>
        <translation>Guardar archivo de Anki</translation>
    </message>
    <message>
        <source>Problem saving Anki file</source>
        <translation>Problema al guardar el archivo de Anki</translation>
    </message>
    <message>
        <source>Unable to save the Anki file to 
</source>
        <translation>No se puede guardar el archivo de Anki en 
</translation>
    </message>
    <message>
        <source>Anki file saved</source>
        <translation>Archivo de Anki guardado</translation>
    </message>
    <message>
        <source>&amp;Quizlet flash cards</source>
        <translation>Tarjetas de &amp;Quizlet</translation>
    </message>
    <message>
        <source>Export the current output sentences as flash cards to import into Quizlet.</source>
        <translation>Exportar las frases de salida actuales como tarjetas para importarlas en Quizlet.</translation>
    </message>
    <message>
        <source>Save Quizlet file</source>
        <translation>Guardar archivo de Quizlet</translation>
    </message>
    <message>
        <source>Problem saving Quizlet file</source>
        <translation>Problema al guardar el archivo de Quizlet</translation>
    </message>
    <message>
        <source>Unable to save the Quizlet file to 
</source>
        <translation>No se puede guardar el archivo de Quizlet en 
</translation>
    </message>
    <message>
        <source>Quizlet file saved</source>
        <translation>Archivo de Quizlet guardado</translation>
    </message>
    <message>
        <source>Second answers left out</source>
        <translation>Segundas respuestas omitidas</translation>
    </message>
    <message>
        <source>A drop zone takes one word. In these sentences the second answers are left out and only the first kept:</source>
        <translation>Una zona de destino admite una sola palabra. En estas oraciones se omiten las segundas respuestas y solo se conserva la primera:</translation>
    </message>
    <message>
        <source>H5P marks gaps with &quot;*&quot;, &quot;/&quot; and &quot;:&quot; and cannot hold them in an answer. These sentences are kept without what each line names:</source>
        <translation>H5P marca los huecos con &quot;*&quot;, &quot;/&quot; y &quot;:&quot; y no puede guardarlos en una respuesta. Estas oraciones se conservan sin lo que nombra cada línea:</translation>
    </message>
    <message>
        <source>Exercise options</source>
        <translation>Opciones del ejercicio</translation>
    </message>
    <message>
        <source>Move sentence up</source>
        <translation>Subir la oración</translation>
    </message>
    <message>
        <source>Move sentence down</source>
        <translation>Bajar la oración</translation>
    </message>
    <message>
        <source>Move output entry up</source>
        <translation>Subir la entrada de la salida</translation>
    </message>
    <message>
        <source>Move output entry down</source>
        <translation>Bajar la entrada de la salida</translation>
    </message>
    <message>
        <source>Check &amp;spelling...</source>
        <translation>Revisar la &amp;ortografía…</translation>
    </message>
    <message>
        <source>Lists the words of the database or of the output list that the dictionary does not know</source>
        <translation>Muestra las palabras de la base de datos o de la lista de salida que el diccionario no conoce</translation>
    </message>
    <message>
        <source>Instr&amp;uctions:</source>
        <translation>Instr&amp;ucciones:</translation>
    </message>
    <message>
        <source>Language of the instructions</source>
        <translation>Idioma de las instrucciones</translation>
    </message>
    <message>
        <source>The language of the instructions, headings and buttons the pupils read; the sentences keep the database&apos;s language.</source>
        <translation>El idioma de las instrucciones, títulos y botones que leen los alumnos; las frases conservan el idioma de la base de datos.</translation>
    </message>
    <message>
        <source>Database &amp;Language</source>
        <translation>&amp;Idioma de la base de datos</translation>
    </message>
    <message>
        <source>The database has no language set.</source>
        <translation>La base de datos no tiene idioma definido.</translation>
    </message>
    <message>
        <source>Database language: %1</source>
        <translation>Idioma de la base de datos: %1</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin definir</translation>
    </message>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Otro...</translation>
    </message>
    <message>
        <source>&amp;Other (%1)...</source>
        <translation>&amp;Otro (%1)...</translation>
    </message>
    <message>
        <source>Database language</source>
        <translation>Idioma de la base de datos</translation>
    </message>
    <message>
        <source>The language of the sentences, as a language tag: a language code, often followed by a country code (en-AU, pt-BR, sr-Latn-RS):</source>
        <translation>El idioma de las frases, como etiqueta de idioma: un código de idioma, a menudo seguido de un código de país (en-AU, pt-BR, sr-Latn-RS):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. A tag is a language code such as en or de, often followed by a hyphen and a country code, as in en-GB or de-CH.</source>
        <translation>«%1» no es una etiqueta de idioma. Una etiqueta es un código de idioma como en o de, a menudo seguido de un guion y un código de país, como en-GB o de-CH.</translation>
    </message>
    <message>
        <source>&amp;Find sentences in a text...</source>
        <translation>&amp;Buscar frases en un texto…</translation>
    </message>
    <message>
        <source>Find example sentences for the headwords in a text you have.</source>
        <translation>Buscar frases de ejemplo para las entradas en un texto que tenga.</translation>
    </message>
</context>
<context>
    <name>MoodleExport</name>
    <message>
        <source>%1: matching</source>
        <translation>%1: emparejamiento</translation>
    </message>
    <message>
        <source>Match each sentence with its missing words.</source>
        <translation>Empareje cada frase con sus palabras que faltan.</translation>
    </message>
</context>
<context>
    <name>ScormPackage</name>
    <message>
        <source>Answer every gap before you check: your first complete check is the score that counts.</source>
        <translation>Responde todos los huecos antes de comprobar: tu primera comprobación completa es la puntuación que cuenta.</translation>
    </message>
    <message>
        <source>Score recorded: %1%</source>
        <translation>Puntuación registrada: %1 %</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>No spelling dictionary for %1 was found, so spelling is not checked. Install the Debian package %2 to have it checked.</source>
        <translation>No se encontró ningún diccionario ortográfico para %1, así que no se revisa la ortografía. Instale el paquete de Debian %2 para que se revise.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>SpellMenu</name>
    <message>
        <source>%1 spelling</source>
        <translation>Ortografía: %1</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Sin sugerencias</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Word not added</source>
        <translation>Palabra no añadida</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; could not be added to your word list %2:
%3</source>
        <translation>No se pudo añadir la palabra «%1» a su lista de palabras %2:
%3</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Not in the dictionary: %1</source>
        <translation>No está en el diccionario: %1</translation>
    </message>
    <message>
        <source>Another spelling: %1</source>
        <translation>Otra ortografía: %1</translation>
    </message>
</context>
<context>
    <name>SentenceFinder</name>
    <message>
        <source>Short for an example sentence</source>
        <translation>Corta para una frase de ejemplo</translation>
    </message>
    <message>
        <source>Long for an example sentence</source>
        <translation>Larga para una frase de ejemplo</translation>
    </message>
    <message>
        <source>Begins with a word that points to an earlier sentence</source>
        <translation>Empieza con una palabra que remite a una frase anterior</translation>
    </message>
    <message>
        <source>Part of a quotation</source>
        <translation>Parte de una cita</translation>
    </message>
    <message>
        <source>Not a whole sentence: no full stop</source>
        <translation>No es una frase completa: sin punto final</translation>
    </message>
    <message>
        <source>Not a whole sentence: no capital letter</source>
        <translation>No es una frase completa: sin mayúscula</translation>
    </message>
    <message>
        <source>the headword</source>
        <translation>la entrada</translation>
    </message>
    <message>
        <source>a regular form</source>
        <translation>una forma regular</translation>
    </message>
    <message>
        <source>an irregular form</source>
        <translation>una forma irregular</translation>
    </message>
    <message>
        <source>a phrasal verb</source>
        <translation>un verbo con partícula</translation>
    </message>
    <message>
        <source>a word of the same stem</source>
        <translation>una palabra de la misma raíz</translation>
    </message>
    <message>
        <source>Rare words: %1</source>
        <translation>Palabras poco frecuentes: %1</translation>
    </message>
    <message>
        <source>Found as %1</source>
        <translation>Encontrada como %1</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Palabras: %1</translation>
    </message>
</context>
<context>
    <name>TemplateFill</name>
    <message>
        <source>Sentence %1: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Frase %1: un carácter como un emoji, que el reproductor de Moodle estropea.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: it looks like markup, and the word list shows it as such.</source>
        <translation>Frase %1, respuesta «%2»: parece una etiqueta, y la lista de palabras la muestra como tal.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: Moodle&apos;s player accepts it only with the reference decoded.</source>
        <translation>Frase %1, respuesta «%2»: el reproductor de Moodle solo la acepta con la referencia descodificada.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Frase %1, respuesta «%2»: un carácter como un emoji, que el reproductor de Moodle estropea.</translation>
    </message>
    <message>
        <source>Sentence %1, clue &quot;%2&quot;: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Frase %1, pista «%2»: un carácter como un emoji, que el reproductor de Moodle estropea.</translation>
    </message>
</context>
<context>
    <name>TextReader</name>
    <message>
        <source>The book has no META-INF/container.xml.</source>
        <translation>El libro no tiene META-INF/container.xml.</translation>
    </message>
    <message>
        <source>The book&apos;s package document cannot be read.</source>
        <translation>No se puede leer el documento de paquete del libro.</translation>
    </message>
    <message>
        <source>The PDF file cannot be read or is protected by a password.</source>
        <translation>No se puede leer el archivo PDF o está protegido con contraseña.</translation>
    </message>
    <message>
        <source>Texts (*.txt *.text *.htm *.html *.xhtml *.odt *.docx *.epub *.pdf)</source>
        <translation>Textos (*.txt *.text *.htm *.html *.xhtml *.odt *.docx *.epub *.pdf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a text.</source>
        <translation>%1 es demasiado grande para un texto.</translation>
    </message>
    <message>
        <source>%1 is no %2 file.</source>
        <translation>%1 no es un archivo %2.</translation>
    </message>
    <message>
        <source>%1 has no %2.</source>
        <translation>%1 no contiene %2.</translation>
    </message>
</context>
<context>
    <name>XmlLimits</name>
    <message>
        <source>The file&apos;s elements are nested more than %1 levels deep.</source>
        <translation>Los elementos del archivo están anidados en más de %1 niveles.</translation>
    </message>
    <message>
        <source>The entities and default values in the file&apos;s document type would add more than %1 characters to it.</source>
        <translation>Las entidades y los valores predeterminados de la declaración de tipo de documento del archivo le añadirían más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The file&apos;s document type declares parameter entities, which are not read.</source>
        <translation>La declaración de tipo de documento del archivo declara entidades de parámetro, que no se leen.</translation>
    </message>
</context>
<context>
    <name>ZelConfirm</name>
    <message>
        <source>Are you sure you want to do this?</source>
        <translation>¿Seguro que desea hacerlo?</translation>
    </message>
</context>
<context>
    <name>ZelFileDialog</name>
    <message>
        <source>Overwrite file?</source>
        <translation>¿Sobrescribir el archivo?</translation>
    </message>
    <message>
        <source>This file already exists. Are you sure you want to overwrite it?</source>
        <translation>Este archivo ya existe. ¿Seguro que desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>ZelUtils</name>
    <message>
        <source>File open error</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>Unable to open this file:
 %1</source>
        <translation>No se puede abrir este archivo:
 %1</translation>
    </message>
    <message>
        <source>Please try opening the file manually.</source>
        <translation>Intente abrir el archivo manualmente.</translation>
    </message>
</context>
</TS>
