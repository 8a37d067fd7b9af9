<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BracketText</name>
    <message>
        <source>a single &quot;:&quot;; a clue needs two, as in [went::go]</source>
        <translation>ein einzelner &quot;:&quot;; ein Hinweis braucht zwei, wie in [went::go]</translation>
    </message>
    <message>
        <source>an empty answer beside &quot;|&quot;</source>
        <translation>eine leere Antwort neben &quot;|&quot;</translation>
    </message>
    <message>
        <source>an empty choice beside &quot;~&quot;</source>
        <translation>eine leere Auswahl neben &quot;~&quot;</translation>
    </message>
    <message>
        <source>the clue &quot;%1&quot; gives the answer away</source>
        <translation>der Hinweis &quot;%1&quot; verrät die Antwort</translation>
    </message>
    <message>
        <source>the choice &quot;%1&quot; is an accepted answer</source>
        <translation>die Auswahl &quot;%1&quot; ist eine richtige Antwort</translation>
    </message>
    <message>
        <source>Gap %1: %2</source>
        <translation>Lücke %1: %2</translation>
    </message>
</context>
<context>
    <name>CheckedWrite</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>DlgCheckSpelling</name>
    <message>
        <source>Check spelling</source>
        <translation>Rechtschreibung prüfen</translation>
    </message>
    <message>
        <source>The whole database</source>
        <translation>Die ganze Datenbank</translation>
    </message>
    <message>
        <source>The output list</source>
        <translation>Die Ausgabeliste</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Fortschritt der Prüfung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Gefundene Wörter</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Replace here</source>
        <translation>Hier ersetzen</translation>
    </message>
    <message>
        <source>Replace everywhere</source>
        <translation>Überall ersetzen</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Wörterbuch: %1 (%2)</translation>
    </message>
    <message>
        <source>Checking %1 texts...</source>
        <translation>%1 Texte werden geprüft …</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>Die Prüfung wurde angehalten.</translation>
    </message>
    <message>
        <source>%1 spelling</source>
        <translation>Schreibweise: %1</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>Nicht im Wörterbuch</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>Gefunden: %1</translation>
    </message>
    <message>
        <source>No spelling mistakes found in %1 texts.</source>
        <translation>In %1 Texten wurden keine Rechtschreibfehler gefunden.</translation>
    </message>
    <message>
        <source>%1 texts checked. Words not in the dictionary: %2; words of another spelling: %3.</source>
        <translation>%1 Texte geprüft. Wörter nicht im Wörterbuch: %2; Wörter in einer anderen Schreibweise: %3.</translation>
    </message>
    <message>
        <source>Output list</source>
        <translation>Ausgabeliste</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot;</source>
        <translation>„%1“ ersetzen</translation>
    </message>
    <message>
        <source>%1 texts were changed since the check and were left as they are.</source>
        <translation>%1 Texte wurden seit der Prüfung geändert und bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Word not added</source>
        <translation>Wort nicht hinzugefügt</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; could not be added to your word list %2:
%3</source>
        <translation>Das Wort „%1“ konnte nicht zu Ihrer Wortliste %2 hinzugefügt werden:
%3</translation>
    </message>
</context>
<context>
    <name>DlgChooseDbLang</name>
    <message>
        <source>Choose preferred spelling</source>
        <translation>Bevorzugte Schreibweise wählen</translation>
    </message>
    <message>
        <source>Choose which version of the database you would like to use.
The databases differ slightly in spelling and vocabulary.</source>
        <translation>Wählen Sie, welche Fassung der Datenbank Sie verwenden möchten.
Die Datenbanken unterscheiden sich leicht in Schreibweise und Wortschatz.</translation>
    </message>
    <message>
        <source>American (US)</source>
        <translation>Amerikanisch (US)</translation>
    </message>
    <message>
        <source>British (UK)</source>
        <translation>Britisch (UK)</translation>
    </message>
    <message>
        <source>Canadian</source>
        <translation>Kanadisch</translation>
    </message>
</context>
<context>
    <name>DlgEditSentence</name>
    <message>
        <source>Add or edit a sentence</source>
        <translation>Satz hinzufügen oder bearbeiten</translation>
    </message>
    <message>
        <source>Times used:</source>
        <translation>Anzahl der Verwendungen:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Satz:</translation>
    </message>
    <message>
        <source>Sentence status:</source>
        <translation>Status des Satzes:</translation>
    </message>
    <message>
        <source>No gapped word.</source>
        <translation>Kein Lückenwort.</translation>
    </message>
    <message>
        <source>Unmatched brackets!</source>
        <translation>Klammern ohne Gegenstück!</translation>
    </message>
    <message>
        <source>A sentence cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Ein Satz darf kein &quot;&amp;&amp;&amp;&quot; enthalten.</translation>
    </message>
    <message>
        <source>Gap %1: %2</source>
        <translation>Lücke %1: %2</translation>
    </message>
    <message>
        <source>(also %1)</source>
        <translation>(auch %1)</translation>
    </message>
    <message>
        <source>clue: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Check the gaps below.</source>
        <translation>Prüfen Sie die Lücken unten.</translation>
    </message>
    <message>
        <source>choices: %1</source>
        <translation>Auswahl: %1</translation>
    </message>
</context>
<context>
    <name>DlgFindSentences</name>
    <message>
        <source>Find sentences in a text</source>
        <translation>Sätze in einem Text finden</translation>
    </message>
    <message>
        <source>&amp;All headwords</source>
        <translation>&amp;Alle Stichwörter</translation>
    </message>
    <message>
        <source>All headwords</source>
        <translation>Alle Stichwörter</translation>
    </message>
    <message>
        <source>&amp;Selected headwords</source>
        <translation>&amp;Ausgewählte Stichwörter</translation>
    </message>
    <message>
        <source>Selected headwords</source>
        <translation>Ausgewählte Stichwörter</translation>
    </message>
    <message>
        <source>Text to search</source>
        <translation>Zu durchsuchender Text</translation>
    </message>
    <message>
        <source>Paste a text here, or open a file.</source>
        <translation>Fügen Sie hier einen Text ein oder öffnen Sie eine Datei.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>Datei ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel search</source>
        <translation>Suche a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Cancel search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Sentences found</source>
        <translation>Gefundene Sätze</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Sentences &amp;found (tick the ones to add; double-click to change the brackets):</source>
        <translation>&amp;Gefundene Sätze (kreuzen Sie die hinzuzufügenden an; Doppelklick ändert die Klammern):</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the ticked sentences</source>
        <translation>Die angekreuzten Sätze hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open a text</source>
        <translation>Einen Text öffnen</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen …</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft …</translation>
    </message>
    <message>
        <source>Reading cancelled.</source>
        <translation>Lesen abgebrochen.</translation>
    </message>
    <message>
        <source>The text is read. Press Search.</source>
        <translation>Der Text ist gelesen. Drücken Sie auf Suchen.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Suche abgebrochen.</translation>
    </message>
    <message>
        <source>No gapped word.</source>
        <translation>Kein Lückenwort.</translation>
    </message>
    <message>
        <source>Unmatched brackets!</source>
        <translation>Klammern ohne Gegenstück!</translation>
    </message>
    <message>
        <source>No sentence is ticked.</source>
        <translation>Kein Satz ist angekreuzt.</translation>
    </message>
    <message>
        <source>Add Found Sentences</source>
        <translation>Gefundene Sätze hinzufügen</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2)</source>
        <translation>Übersprungen: %1 (%2)</translation>
    </message>
    <message>
        <source>Sentences found: %1, for %2 headwords, in a text of %3 sentences. Left out as the database has them: %4.</source>
        <translation>Gefundene Sätze: %1, für %2 Stichwörter, in einem Text aus %3 Sätzen. Weggelassen, da die Datenbank sie enthält: %4.</translation>
    </message>
    <message>
        <source>Sentences added: %1.</source>
        <translation>Hinzugefügte Sätze: %1.</translation>
    </message>
</context>
<context>
    <name>DlgImportCsv</name>
    <message>
        <source>Import spreadsheet text</source>
        <translation>Tabellentext importieren</translation>
    </message>
    <message>
        <source>Choose the column that holds the headwords and the column that holds the example sentences.</source>
        <translation>Wählen Sie die Spalte mit den Stichwörtern und die Spalte mit den Beispielsätzen.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Semikolon ( ; )</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Komma ( , )</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Headword column:</source>
        <translation>Spalte der &amp;Stichwörter:</translation>
    </message>
    <message>
        <source>S&amp;entence column:</source>
        <translation>Spalte der S&amp;ätze:</translation>
    </message>
    <message>
        <source>The &amp;first row names the columns</source>
        <translation>Die &amp;erste Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>(none: headwords only)</source>
        <translation>(keine: nur Stichwörter)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>Rows to import: %1</source>
        <translation>Zu importierende Zeilen: %1</translation>
    </message>
    <message>
        <source>The first rows of a long file are shown; all of its rows are read when you import.</source>
        <translation>Die ersten Zeilen einer langen Datei werden gezeigt; beim Importieren werden alle ihre Zeilen gelesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (named by the file)</source>
        <translation>„%1“ (von der Datei angegeben)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>DlgInteractivePage</name>
    <message>
        <source>Interactive web page</source>
        <translation>Interaktive Webseite</translation>
    </message>
    <message>
        <source>What the pupil does</source>
        <translation>Was die Schüler tun</translation>
    </message>
    <message>
        <source>&amp;Gap-fill: type each missing word</source>
        <translation>&amp;Lückentext: jedes fehlende Wort eintippen</translation>
    </message>
    <message>
        <source>Choose the words from &amp;drop-down lists of the word list</source>
        <translation>Wörter aus &amp;Auswahllisten der Wortliste wählen</translation>
    </message>
    <message>
        <source>&amp;Matching: choose the missing words of each sentence from a list</source>
        <translation>&amp;Zuordnen: die fehlenden Wörter jedes Satzes aus einer Liste wählen</translation>
    </message>
    <message>
        <source>Marking typed answers</source>
        <translation>Bewertung getippter Antworten</translation>
    </message>
    <message>
        <source>&amp;Capitals must match (case-sensitive)</source>
        <translation>&amp;Groß- und Kleinschreibung muss stimmen</translation>
    </message>
    <message>
        <source>&amp;Accents must be typed</source>
        <translation>&amp;Akzente müssen getippt werden</translation>
    </message>
    <message>
        <source>&amp;Hint button that gives the next letter</source>
        <translation>Schaltfläche „&amp;Tipp“ für den nächsten Buchstaben</translation>
    </message>
    <message>
        <source>Tick &quot;Include word list&quot; to use drop-down lists.</source>
        <translation>Kreuzen Sie „Wortliste einfügen“ an, um Auswahllisten zu verwenden.</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>Die Seite</translation>
    </message>
    <message>
        <source>A &quot;Show answers&quot; &amp;button</source>
        <translation>Eine Schaltfläche „Lösungen &amp;zeigen“</translation>
    </message>
    <message>
        <source>All gaps of &amp;one width, so that their length gives nothing away</source>
        <translation>Alle Lücken gleich &amp;breit, damit ihre Länge nichts verrät</translation>
    </message>
    <message>
        <source>Learning platform</source>
        <translation>Lernplattform</translation>
    </message>
    <message>
        <source>&amp;Pass mark:</source>
        <translation>&amp;Bestehensgrenze:</translation>
    </message>
    <message>
        <source>Without a pass mark the platform records the exercise as completed.</source>
        <translation>Ohne Bestehensgrenze verzeichnet die Plattform die Übung als abgeschlossen.</translation>
    </message>
    <message>
        <source>Pass mark</source>
        <translation>Bestehensgrenze</translation>
    </message>
    <message>
        <source>SCORM package</source>
        <translation>SCORM-Paket</translation>
    </message>
    <message>
        <source>Score &amp;recorded:</source>
        <translation>Gemeldetes &amp;Ergebnis:</translation>
    </message>
    <message>
        <source>The first check with every gap answered</source>
        <translation>Die erste Prüfung mit allen Lücken ausgefüllt</translation>
    </message>
    <message>
        <source>The best check</source>
        <translation>Die beste Prüfung</translation>
    </message>
    <message>
        <source>Each hin&amp;t costs:</source>
        <translation>&amp;Jeder Tipp kostet:</translation>
    </message>
    <message>
        <source> % of its gap</source>
        <translation> % seiner Lücke</translation>
    </message>
    <message>
        <source>A gap whose answer the hints spelled out, or that &quot;Show answers&quot; revealed, counts as wrong.</source>
        <translation>Eine Lücke, deren Antwort die Tipps ganz ausgeschrieben haben oder die „Lösungen zeigen“ aufgedeckt hat, zählt als falsch.</translation>
    </message>
    <message>
        <source>A &quot;Show answers&quot; &amp;button once the pupil has checked</source>
        <translation>Eine Schaltfläche „Lösungen &amp;zeigen“, sobald der Schüler geprüft hat</translation>
    </message>
    <message>
        <source>A button that reads each sentence a&amp;loud in the browser&apos;s voice</source>
        <translation>Eine Schaltfläche, die jeden Satz mit der Stimme des Browsers &amp;vorliest</translation>
    </message>
    <message>
        <source>Li&amp;stening: each sentence appears only once the pupil has heard it</source>
        <translation>&amp;Hörverstehen: Jeder Satz erscheint erst, wenn der Schüler ihn gehört hat</translation>
    </message>
    <message>
        <source>The sentence is read with its missing words, and the pupil types what they heard. Needs a browser with a voice for the exercise&apos;s language.</source>
        <translation>Der Satz wird mit seinen fehlenden Wörtern vorgelesen, und der Schüler tippt, was er gehört hat. Braucht einen Browser mit einer Stimme für die Sprache der Übung.</translation>
    </message>
</context>
<context>
    <name>DlgRandomSentences</name>
    <message>
        <source>Random selection of sentences</source>
        <translation>Zufällige Auswahl von Sätzen</translation>
    </message>
    <message>
        <source>&amp;Number of sentences required:</source>
        <translation>&amp;Anzahl der gewünschten Sätze:</translation>
    </message>
    <message>
        <source>&amp;Include sentences with &quot;used&quot; value &gt; 0</source>
        <translation>Sätze mit „Verwendet“-Wert &gt; 0 &amp;einbeziehen</translation>
    </message>
    <message>
        <source>Select only from words which have &quot;&amp;used&quot; sentences</source>
        <translation>Nur aus Wörtern mit &amp;verwendeten Sätzen auswählen</translation>
    </message>
    <message>
        <source>Allow &amp;multiple sentences with the same word</source>
        <translation>&amp;Mehrere Sätze mit demselben Wort zulassen</translation>
    </message>
    <message>
        <source>&amp;Add to the output list</source>
        <translation>Zur Ausgabe &amp;hinzufügen</translation>
    </message>
</context>
<context>
    <name>ExerciseModel</name>
    <message>
        <source>(also: %1)</source>
        <translation>(auch: %1)</translation>
    </message>
</context>
<context>
    <name>ExerciseRender</name>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Word bank:</source>
        <translation>Wortspeicher:</translation>
    </message>
    <message>
        <source>Gap-fill exercise</source>
        <translation>Lückentext</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Read each sentence and write the missing word in the gap.</source>
        <translation>Lies jeden Satz und schreib das fehlende Wort in die Lücke.</translation>
    </message>
    <message>
        <source>Choose your answers from the word bank: each word in it fills one gap.</source>
        <translation>Wähle deine Antworten aus dem Wortspeicher: Jedes Wort darin füllt eine Lücke.</translation>
    </message>
    <message>
        <source>Word bank</source>
        <translation>Wortspeicher</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Choose your answers from the word bank: each word in it fills one gap, and some words are not needed.</source>
        <translation>Wähle deine Antworten aus dem Wortspeicher: Jedes Wort darin füllt eine Lücke, und einige Wörter werden nicht gebraucht.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>ExerciseSheets</name>
    <message>
        <source>Version %1: %2</source>
        <translation>Version %1: %2</translation>
    </message>
    <message>
        <source>The database has no other sentence for these headwords, so their sentences stand in these versions as in version A:</source>
        <translation>Die Datenbank hat zu diesen Stichwörtern keinen anderen Satz, deshalb stehen ihre Sätze in diesen Versionen wie in Version A:</translation>
    </message>
</context>
<context>
    <name>FoundSentences</name>
    <message>
        <source>The headword is no longer in the database.</source>
        <translation>Das Stichwort ist nicht mehr in der Datenbank.</translation>
    </message>
    <message>
        <source>The brackets are not complete.</source>
        <translation>Die Klammern sind nicht vollständig.</translation>
    </message>
    <message>
        <source>The headword has this sentence already.</source>
        <translation>Das Stichwort hat diesen Satz bereits.</translation>
    </message>
    <message>
        <source>A sentence cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Ein Satz darf kein &quot;&amp;&amp;&amp;&quot; enthalten.</translation>
    </message>
</context>
<context>
    <name>H5PExport</name>
    <message>
        <source>The extra word &quot;%1&quot; is left out.</source>
        <translation>Das zusätzliche Wort „%1“ wird weggelassen.</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>weggelassen: %1</translation>
    </message>
    <message>
        <source>the sentence holds &quot;*&quot;</source>
        <translation>der Satz enthält „*“</translation>
    </message>
    <message>
        <source>a key word is empty</source>
        <translation>ein Schlüsselwort ist leer</translation>
    </message>
    <message>
        <source>the answer &quot;%1&quot; holds &quot;*&quot;, &quot;/&quot; or &quot;:&quot;</source>
        <translation>die Antwort „%1“ enthält „*“, „/“ oder „:“</translation>
    </message>
    <message>
        <source>the alternative &quot;%1&quot; is dropped</source>
        <translation>die weitere Antwort „%1“ entfällt</translation>
    </message>
    <message>
        <source>the clue &quot;%1&quot; is dropped</source>
        <translation>der Hinweis „%1“ entfällt</translation>
    </message>
    <message>
        <source>only the first answer of each gap is used</source>
        <translation>nur die erste Antwort jeder Lücke wird verwendet</translation>
    </message>
    <message>
        <source>Fill in the missing words.</source>
        <translation>Ergänze die fehlenden Wörter.</translation>
    </message>
    <message>
        <source>Drag the words into the correct boxes.</source>
        <translation>Ziehe die Wörter in die richtigen Felder.</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Lösung anzeigen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Überprüfen</translation>
    </message>
    <message>
        <source>Please fill in all blanks to view solution</source>
        <translation>Bitte fülle alle Lücken aus, um die Lösung zu sehen</translation>
    </message>
    <message>
        <source>&apos;:ans&apos; is correct</source>
        <translation>&apos;:ans&apos; ist richtig</translation>
    </message>
    <message>
        <source>&apos;:ans&apos; is wrong</source>
        <translation>&apos;:ans&apos; ist falsch</translation>
    </message>
    <message>
        <source>Answered correctly</source>
        <translation>Richtig beantwortet</translation>
    </message>
    <message>
        <source>Answered incorrectly</source>
        <translation>Falsch beantwortet</translation>
    </message>
    <message>
        <source>Correct answer:</source>
        <translation>Richtige Antwort:</translation>
    </message>
    <message>
        <source>Blank input @num of @total</source>
        <translation>Lücke @num von @total</translation>
    </message>
    <message>
        <source>Tip available</source>
        <translation>Tipp verfügbar</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>You got :num out of :total points</source>
        <translation>Du hast :num von :total Punkten erreicht</translation>
    </message>
    <message>
        <source>Drop Zone @index.</source>
        <translation>Ablagefeld @index.</translation>
    </message>
    <message>
        <source>Drop Zone @index is empty.</source>
        <translation>Ablagefeld @index ist leer.</translation>
    </message>
    <message>
        <source>Drop Zone @index contains draggable @draggable.</source>
        <translation>Ablagefeld @index enthält das Wort @draggable.</translation>
    </message>
    <message>
        <source>@index of @count draggables.</source>
        <translation>@index von @count Wörtern.</translation>
    </message>
    <message>
        <source>Show tip</source>
        <translation>Tipp anzeigen</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Incorrect!</source>
        <translation>Falsch!</translation>
    </message>
    <message>
        <source>Reset drop</source>
        <translation>Ablage zurücksetzen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset this drop zone?</source>
        <translation>Möchtest du dieses Ablagefeld wirklich leeren?</translation>
    </message>
    <message>
        <source>Draggable is grabbed.</source>
        <translation>Wort aufgenommen.</translation>
    </message>
    <message>
        <source>Cancelled dragging.</source>
        <translation>Ziehen abgebrochen.</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
</context>
<context>
    <name>InteractivePage</name>
    <message>
        <source>Word list</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Show answers</source>
        <translation>Lösungen zeigen</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Show the next letter of the gap you are in</source>
        <translation>Den nächsten Buchstaben der Lücke zeigen, in der du bist</translation>
    </message>
    <message>
        <source>Score: %1 of %2 (%3%)</source>
        <translation>Ergebnis: %1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>The answers are shown.</source>
        <translation>Die Lösungen werden angezeigt.</translation>
    </message>
    <message>
        <source>Gap %1 of question %2</source>
        <translation>Lücke %1 von Frage %2</translation>
    </message>
    <message>
        <source>Missing words of question %1</source>
        <translation>Fehlende Wörter von Frage %1</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>(choose)</source>
        <translation>(auswählen)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Choose the missing words for each sentence, then press Check.</source>
        <translation>Wähle für jeden Satz die fehlenden Wörter und drücke dann auf „Prüfen“.</translation>
    </message>
    <message>
        <source>Fill in the gaps, then press Check.</source>
        <translation>Fülle die Lücken aus und drücke dann auf „Prüfen“.</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in lang=&quot;en&quot;</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>This exercise checks your answers with JavaScript. Please allow JavaScript for this page, or ask your teacher for a printed copy.</source>
        <translation>Diese Übung prüft deine Antworten mit JavaScript. Bitte erlaube JavaScript für diese Seite oder bitte deine Lehrkraft um eine gedruckte Fassung.</translation>
    </message>
    <message>
        <source>Read sentence %1 aloud</source>
        <translation>Satz %1 vorlesen</translation>
    </message>
    <message>
        <source>Listen to sentence %1</source>
        <translation>Satz %1 anhören</translation>
    </message>
    <message>
        <source>Press the loudspeaker button of a sentence to hear it. Then the sentence appears, and you type the missing words.</source>
        <translation>Drücke auf den Lautsprecher eines Satzes, um ihn zu hören. Dann erscheint der Satz, und du tippst die fehlenden Wörter ein.</translation>
    </message>
    <message>
        <source>Reading aloud is not available: this browser cannot speak.</source>
        <translation>Vorlesen ist nicht möglich: Dieser Browser kann nicht sprechen.</translation>
    </message>
    <message>
        <source>Reading aloud is not available: this browser has no %1 voice.</source>
        <extracomment>%1 is the name of a language, as the browser writes it in the page&apos;s language</extracomment>
        <translation>Vorlesen ist nicht möglich: Dieser Browser hat keine Stimme für %1.</translation>
    </message>
    <message>
        <source>The sentences are shown instead.</source>
        <translation>Die Sätze werden stattdessen angezeigt.</translation>
    </message>
</context>
<context>
    <name>LxdDocument</name>
    <message>
        <source>Move Headword</source>
        <translation>Stichwort verschieben</translation>
    </message>
    <message>
        <source>Sort Headwords</source>
        <translation>Stichwörter sortieren</translation>
    </message>
    <message>
        <source>There is not enough memory to write the file.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei, um die Datei zu schreiben.</translation>
    </message>
</context>
<context>
    <name>LxdEditCommand</name>
    <message>
        <source>Add Headword</source>
        <translation>Stichwort hinzufügen</translation>
    </message>
    <message>
        <source>Rename Headword</source>
        <translation>Stichwort umbenennen</translation>
    </message>
    <message>
        <source>Delete Headword</source>
        <translation>Stichwort löschen</translation>
    </message>
    <message>
        <source>Delete Headwords</source>
        <translation>Stichwörter löschen</translation>
    </message>
    <message>
        <source>Add Sentence</source>
        <translation>Satz hinzufügen</translation>
    </message>
    <message>
        <source>Edit Sentence</source>
        <translation>Satz bearbeiten</translation>
    </message>
    <message>
        <source>Delete Sentence</source>
        <translation>Satz löschen</translation>
    </message>
    <message>
        <source>Delete Sentences</source>
        <translation>Sätze löschen</translation>
    </message>
    <message>
        <source>Move Sentences</source>
        <translation>Sätze verschieben</translation>
    </message>
    <message>
        <source>Zero Used Counts</source>
        <translation>Verwendungszähler auf null setzen</translation>
    </message>
    <message>
        <source>Append File</source>
        <translation>Datei anhängen</translation>
    </message>
    <message>
        <source>Merge File</source>
        <translation>Datei zusammenführen</translation>
    </message>
    <message>
        <source>Set Language</source>
        <translation>Sprache festlegen</translation>
    </message>
</context>
<context>
    <name>LxdImport</name>
    <message>
        <source>This is not a word list that can be imported.</source>
        <translation>Dies ist keine Wortliste, die importiert werden kann.</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Dies ist keine Textdatei.</translation>
    </message>
    <message>
        <source>The quoted field that begins in line %1 is never closed.</source>
        <translation>Das Feld in Anführungszeichen, das in Zeile %1 beginnt, wird nie geschlossen.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Der Import wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1: no headword</source>
        <translation>%1: kein Stichwort</translation>
    </message>
    <message>
        <source>%1: the headword contains &quot;&amp;&amp;&amp;&quot;, which a database file cannot hold</source>
        <translation>%1: das Stichwort enthält „&amp;&amp;&amp;“, das eine Datenbankdatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>%1: the sentence contains &quot;&amp;&amp;&amp;&quot;, which a database file cannot hold</source>
        <translation>%1: der Satz enthält „&amp;&amp;&amp;“, das eine Datenbankdatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>%1: the same sentence came earlier for &quot;%2&quot;</source>
        <translation>%1: derselbe Satz kam schon früher für „%2“</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).</translation>
    </message>
    <message>
        <source>This is not a KVTML file.</source>
        <translation>Dies ist keine KVTML-Datei.</translation>
    </message>
    <message>
        <source>This KVTML file has the older form of version 1, which cannot be read. Open it in KWordQuiz or Parley and save it again to bring it to version 2.</source>
        <translation>Diese KVTML-Datei hat die ältere Form der Version 1, die nicht gelesen werden kann. Öffnen Sie sie in KWordQuiz oder Parley und speichern Sie sie erneut, um sie auf Version 2 zu bringen.</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>%1: no translation</source>
        <translation>%1: keine Übersetzung</translation>
    </message>
    <message>
        <source>This is not a Hot Potatoes JCloze file.</source>
        <translation>Dies ist keine JCloze-Datei von Hot Potatoes.</translation>
    </message>
    <message>
        <source>The exercise holds no gap-fill text.</source>
        <translation>Die Übung enthält keinen Lückentext.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>%1: a gap has no answer</source>
        <translation>%1: eine Lücke hat keine Antwort</translation>
    </message>
    <message>
        <source>This is not a Hot Potatoes JMatch file.</source>
        <translation>Dies ist keine JMatch-Datei von Hot Potatoes.</translation>
    </message>
    <message>
        <source>The exercise holds no matching pairs.</source>
        <translation>Die Übung enthält keine Zuordnungspaare.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <source>%1: an extra answer without a left item</source>
        <translation>%1: eine zusätzliche Antwort ohne linken Eintrag</translation>
    </message>
    <message>
        <source>%1: no right item</source>
        <translation>%1: kein rechter Eintrag</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Read as settings, not as rows: %1</source>
        <translation>Als Einstellungen gelesen, nicht als Zeilen: %1</translation>
    </message>
    <message>
        <source>Fields that held HTML and came in as plain text: %1</source>
        <translation>Felder mit HTML, als reiner Text übernommen: %1</translation>
    </message>
    <message>
        <source>Read as %1: the file is not UTF-8</source>
        <translation>Als %1 gelesen: Die Datei ist nicht in UTF-8</translation>
    </message>
    <message>
        <source>The answer &quot;%1&quot; was left out: &quot;|&quot; and &quot;::&quot; divide the answers of a gap</source>
        <translation>Die Antwort „%1“ wurde weggelassen: „|“ und „::“ trennen die Antworten einer Lücke</translation>
    </message>
    <message>
        <source>%1: a sentence with key words but no other translation to file it under</source>
        <translation>%1: ein Satz mit Schlüsselwörtern, aber ohne andere Übersetzung, unter der er abgelegt werden kann</translation>
    </message>
    <message>
        <source>Sentences whose bold, underlined or italic words became the key words: %1</source>
        <translation>Sätze, deren fette, unterstrichene oder kursive Wörter zu Schlüsselwörtern wurden: %1</translation>
    </message>
    <message>
        <source>Sentence %1 (%2)</source>
        <translation>Satz %1 (%2)</translation>
    </message>
    <message>
        <source>Pair %1 (%2)</source>
        <translation>Paar %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the clue of a gap was left out, as it gave the answer away</source>
        <translation>%1: der Hinweis einer Lücke wurde weggelassen, da er die Antwort verriet</translation>
    </message>
    <message>
        <source>%1: the clues of %2 gaps were left out, as they gave the answers away</source>
        <translation>%1: die Hinweise von %2 Lücken wurden weggelassen, da sie die Antworten verrieten</translation>
    </message>
</context>
<context>
    <name>LxdRecovery</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The lock %1 cannot be taken.</source>
        <translation>Die Sperre %1 kann nicht gesetzt werden.</translation>
    </message>
</context>
<context>
    <name>LxdSession</name>
    <message>
        <source>Delete Output Sentences</source>
        <translation>Ausgabesätze löschen</translation>
    </message>
    <message>
        <source>Clear Output</source>
        <translation>Ausgabe leeren</translation>
    </message>
    <message>
        <source>Move Output Up</source>
        <translation>Ausgabe nach oben</translation>
    </message>
    <message>
        <source>Move Output Down</source>
        <translation>Ausgabe nach unten</translation>
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
        <translation>Verwendet</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
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
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move the selected sentence(s) up in the list.</source>
        <translation>Den oder die ausgewählten Sätze in der Liste nach oben verschieben.</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move the selected sentence(s) down in the list.</source>
        <translation>Den oder die ausgewählten Sätze in der Liste nach unten verschieben.</translation>
    </message>
    <message>
        <source>&amp;Db</source>
        <translation>&amp;Datenbank</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>New sentence</source>
        <translation>Neuer Satz</translation>
    </message>
    <message>
        <source>Delete sentence</source>
        <translation>Satz löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Include &amp;Q #s</source>
        <translation>&amp;Fragenummern</translation>
    </message>
    <message>
        <source>&amp;Gap words</source>
        <translation>Wörter als &amp;Lücken</translation>
    </message>
    <message>
        <source>Brac&amp;ket words</source>
        <translation>Wörter in &amp;Klammern</translation>
    </message>
    <message>
        <source>&amp;Jumble order</source>
        <translation>Reihenfolge &amp;mischen</translation>
    </message>
    <message>
        <source>Include wo&amp;rd list</source>
        <translation>Wortliste &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Ausgabe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
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
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new vocabulary database file</source>
        <translation>Eine neue Vokabeldatenbank anlegen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open an existing vocabulary database file</source>
        <translation>Eine vorhandene Vokabeldatenbank öffnen</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Anhängen</translation>
    </message>
    <message>
        <source>Open an existing vocabulary database file and append it to the current database.</source>
        <translation>Eine vorhandene Vokabeldatenbank öffnen und an die aktuelle Datenbank anhängen.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the current vocabulary database file</source>
        <translation>Die aktuelle Vokabeldatenbank speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save the current vocabulary database file with a new name</source>
        <translation>Die aktuelle Vokabeldatenbank unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Export to XML</source>
        <translation>Als XML &amp;exportieren</translation>
    </message>
    <message>
        <source>Save the current vocabulary database to a file in XML format</source>
        <translation>Die aktuelle Vokabeldatenbank als XML-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Import from XML</source>
        <translation>Aus XML &amp;importieren</translation>
    </message>
    <message>
        <source>Import a vocabulary database from XML format</source>
        <translation>Eine Vokabeldatenbank aus einer XML-Datei importieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Neues Wort</translation>
    </message>
    <message>
        <source>Add a new headword to the database.</source>
        <translation>Ein neues Stichwort in die Datenbank aufnehmen.</translation>
    </message>
    <message>
        <source>&amp;Delete word</source>
        <translation>Wort &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;New Sentence</source>
        <translation>&amp;Neuer Satz</translation>
    </message>
    <message>
        <source>Add a new sentence to the database.</source>
        <translation>Einen neuen Satz in die Datenbank aufnehmen.</translation>
    </message>
    <message>
        <source>&amp;Delete Sentence</source>
        <translation>Satz &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Edit Sentence</source>
        <translation>Satz &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Edit the selected sentence.</source>
        <translation>Den ausgewählten Satz bearbeiten.</translation>
    </message>
    <message>
        <source>&amp;Use Sentence</source>
        <translation>Satz &amp;verwenden</translation>
    </message>
    <message>
        <source>Use the selected sentence(s) in the output.</source>
        <translation>Den oder die ausgewählten Sätze in die Ausgabe übernehmen.</translation>
    </message>
    <message>
        <source>&amp;Zero all used values</source>
        <translation>Alle &amp;Zähler auf null setzen</translation>
    </message>
    <message>
        <source>Set the value of the &apos;Used&apos; counter to zero for all sentences in the database.</source>
        <translation>Den Zähler „Verwendet“ für alle Sätze der Datenbank auf null setzen.</translation>
    </message>
    <message>
        <source>&amp;Include Q #s</source>
        <translation>&amp;Fragenummern</translation>
    </message>
    <message>
        <source>Include question numbers for all the sentences in the output.</source>
        <translation>Alle Sätze der Ausgabe mit Fragenummern versehen.</translation>
    </message>
    <message>
        <source>Gap all the key words in the output sentences.</source>
        <translation>Alle Schlüsselwörter in den Sätzen der Ausgabe durch Lücken ersetzen.</translation>
    </message>
    <message>
        <source>&amp;Bracket words</source>
        <translation>Wörter in &amp;Klammern</translation>
    </message>
    <message>
        <source>Include brackets around key words in the output.</source>
        <translation>Die Schlüsselwörter in der Ausgabe in Klammern setzen.</translation>
    </message>
    <message>
        <source>Jumble the order of the sentences in the output.</source>
        <translation>Die Reihenfolge der Sätze in der Ausgabe mischen.</translation>
    </message>
    <message>
        <source>Include word &amp;list</source>
        <translation>&amp;Wortliste einfügen</translation>
    </message>
    <message>
        <source>Include a list of all the gapped words in the output.</source>
        <translation>Eine Liste aller Lückenwörter in die Ausgabe aufnehmen.</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>Zwischen&amp;ablage</translation>
    </message>
    <message>
        <source>Place the current output sentences on the clipboard.</source>
        <translation>Die aktuellen Sätze der Ausgabe in die Zwischenablage legen.</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>Export the current output sentences to create an XHTML web page.</source>
        <translation>Die aktuellen Sätze der Ausgabe als XHTML-Webseite exportieren.</translation>
    </message>
    <message>
        <source>&amp;RTF</source>
        <translation>&amp;RTF</translation>
    </message>
    <message>
        <source>Export the current output sentences to create an RTF word-processor document.</source>
        <translation>Die aktuellen Sätze der Ausgabe als RTF-Dokument für die Textverarbeitung exportieren.</translation>
    </message>
    <message>
        <source>J&amp;Match</source>
        <translation>J&amp;Match</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a Hot Potatoes JMatch matching exercise.</source>
        <translation>Die aktuellen Sätze der Ausgabe als Hot-Potatoes-Zuordnungsübung (JMatch) exportieren.</translation>
    </message>
    <message>
        <source>JClo&amp;ze</source>
        <translation>JClo&amp;ze</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a Hot Potatoes JCloze gap-fill exercise.</source>
        <translation>Die aktuellen Sätze der Ausgabe als Hot-Potatoes-Lückentext (JCloze) exportieren.</translation>
    </message>
    <message>
        <source>&amp;Random output</source>
        <translation>&amp;Zufällige Ausgabe</translation>
    </message>
    <message>
        <source>Generate a random selection of sentences in the output box.</source>
        <translation>Eine zufällige Auswahl von Sätzen in die Ausgabe stellen.</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search for text in the database</source>
        <translation>Text in der Datenbank suchen</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Search for the next instance of text in the database</source>
        <translation>Die nächste Fundstelle des Textes in der Datenbank suchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open the Help file.</source>
        <translation>Die Hilfe öffnen.</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>Show the &apos;Getting started&apos; topic in the Help file.</source>
        <translation>Das Thema „Erste Schritte“ der Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Show information about the application.</source>
        <translation>Informationen über das Programm anzeigen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Sentences</source>
        <translation>S&amp;ätze</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1: %2[*] - %3</source>
        <translation>%1: %2[*] - %3</translation>
    </message>
    <message>
        <source>database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Add new headword</source>
        <translation>Neues Stichwort hinzufügen</translation>
    </message>
    <message>
        <source>New headword:</source>
        <translation>Neues Stichwort:</translation>
    </message>
    <message>
        <source>Headword already exists</source>
        <translation>Stichwort existiert bereits</translation>
    </message>
    <message>
        <source>This word already exists in the database.</source>
        <translation>Dieses Wort ist bereits in der Datenbank vorhanden.</translation>
    </message>
    <message>
        <source>Are you sure you want to add a duplicate of it?</source>
        <translation>Möchten Sie es wirklich ein zweites Mal hinzufügen?</translation>
    </message>
    <message>
        <source>Edit headword</source>
        <translation>Stichwort bearbeiten</translation>
    </message>
    <message>
        <source>Altered headword:</source>
        <translation>Geändertes Stichwort:</translation>
    </message>
    <message>
        <source>Deleting headwords</source>
        <translation>Stichwörter löschen</translation>
    </message>
    <message>
        <source>You are about to delete the following words, along with all their associated sentences:</source>
        <translation>Sie sind dabei, die folgenden Wörter mit allen zugehörigen Sätzen zu löschen:</translation>
    </message>
    <message>
        <source>Enter your sentence here. Words in square [brackets] will be gapped.</source>
        <translation>Geben Sie hier Ihren Satz ein. Wörter in eckigen [Klammern] werden zu Lücken.</translation>
    </message>
    <message>
        <source>You are about to delete this sentence from the database.</source>
        <translation>Sie sind dabei, diesen Satz aus der Datenbank zu löschen.</translation>
    </message>
    <message>
        <source>You are about to delete %1 sentences from the database.</source>
        <translation>Sie sind dabei, %1 Sätze aus der Datenbank zu löschen.</translation>
    </message>
    <message>
        <source>Deleting sentences</source>
        <translation>Sätze löschen</translation>
    </message>
    <message>
        <source>Reset &apos;Used&apos; counters</source>
        <translation>Zähler „Verwendet“ zurücksetzen</translation>
    </message>
    <message>
        <source>You are about to set the &apos;Used&apos; counters for
 all sentences in the database to zero.</source>
        <translation>Sie sind dabei, die Zähler „Verwendet“ für
 alle Sätze der Datenbank auf null zu setzen.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search for:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to find &quot;%1&quot; in the database.</source>
        <translation>„%1“ wurde in der Datenbank nicht gefunden.</translation>
    </message>
    <message>
        <source>Template file missing</source>
        <translation>Vorlagendatei fehlt</translation>
    </message>
    <message>
        <source>Unable to load the template file from 
</source>
        <translation>Die Vorlagendatei kann nicht geladen werden aus 
</translation>
    </message>
    <message>
        <source>Problem loading template file</source>
        <translation>Problem beim Laden der Vorlagendatei</translation>
    </message>
    <message>
        <source>Problem with template file</source>
        <translation>Problem mit der Vorlagendatei</translation>
    </message>
    <message>
        <source>This template file appears to be corrupted: 
</source>
        <translation>Diese Vorlagendatei scheint beschädigt zu sein: 
</translation>
    </message>
    <message>
        <source>Do you want to open the saved file?</source>
        <translation>Möchten Sie die gespeicherte Datei öffnen?</translation>
    </message>
    <message>
        <source>Save RTF file</source>
        <translation>RTF-Datei speichern</translation>
    </message>
    <message>
        <source>RTF files (*.rtf)</source>
        <translation>RTF-Dateien (*.rtf)</translation>
    </message>
    <message>
        <source>Problem saving RTF file</source>
        <translation>Problem beim Speichern der RTF-Datei</translation>
    </message>
    <message>
        <source>Unable to save the RTF file to 
</source>
        <translation>Die RTF-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open RTF file</source>
        <translation>RTF-Datei öffnen</translation>
    </message>
    <message>
        <source>Save XHTML file</source>
        <translation>XHTML-Datei speichern</translation>
    </message>
    <message>
        <source>Web page files (*.htm *.html *.xhtml)</source>
        <translation>Webseiten (*.htm *.html *.xhtml)</translation>
    </message>
    <message>
        <source>Problem saving XHTML file</source>
        <translation>Problem beim Speichern der XHTML-Datei</translation>
    </message>
    <message>
        <source>Unable to save the XHTML file to 
</source>
        <translation>Die XHTML-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open XHTML file</source>
        <translation>XHTML-Datei öffnen</translation>
    </message>
    <message>
        <source>Save JMatch file</source>
        <translation>JMatch-Datei speichern</translation>
    </message>
    <message>
        <source>JMatch files (*.jmt)</source>
        <translation>JMatch-Dateien (*.jmt)</translation>
    </message>
    <message>
        <source>Problem saving JMatch file</source>
        <translation>Problem beim Speichern der JMatch-Datei</translation>
    </message>
    <message>
        <source>Unable to save the JMatch file to 
</source>
        <translation>Die JMatch-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open JMatch file</source>
        <translation>JMatch-Datei öffnen</translation>
    </message>
    <message>
        <source>Save JCloze file</source>
        <translation>JCloze-Datei speichern</translation>
    </message>
    <message>
        <source>JCloze files (*.jcl)</source>
        <translation>JCloze-Dateien (*.jcl)</translation>
    </message>
    <message>
        <source>Problem saving JCloze file</source>
        <translation>Problem beim Speichern der JCloze-Datei</translation>
    </message>
    <message>
        <source>Unable to save the JCloze file to 
</source>
        <translation>Die JCloze-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open JCloze file</source>
        <translation>JCloze-Datei öffnen</translation>
    </message>
    <message>
        <source>Duplicate entries in database</source>
        <translation>Doppelte Einträge in der Datenbank</translation>
    </message>
    <message>
        <source>The database you are appending contains some of the same headwords as the current database.</source>
        <translation>Die Datenbank, die Sie anhängen, enthält einige Stichwörter, die auch in der aktuellen Datenbank stehen.</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>You can either merge duplicate headwords into a single entry, or keep the duplicates.</source>
        <translation>Sie können doppelte Stichwörter zu einem Eintrag zusammenführen oder die doppelten Einträge behalten.</translation>
    </message>
    <message>
        <source>Would you like to merge duplicates or keep them?</source>
        <translation>Möchten Sie die doppelten Einträge zusammenführen oder behalten?</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Resource file</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>Die Datenbank wurde geändert.
Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>Open vocabulary database file</source>
        <translation>Vokabeldatenbank öffnen</translation>
    </message>
    <message>
        <source>Vocabulary database files (*.lxv *.voc)</source>
        <translation>Vokabeldatenbanken (*.lxv *.voc)</translation>
    </message>
    <message>
        <source>Append vocabulary database file</source>
        <translation>Vokabeldatenbank anhängen</translation>
    </message>
    <message>
        <source>File open error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>This file is not a vocabulary database:
%1</source>
        <translation>Diese Datei ist keine Vokabeldatenbank:
%1</translation>
    </message>
    <message>
        <source>Appending file failed.</source>
        <translation>Anhängen der Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Loading cancelled.</source>
        <translation>Laden abgebrochen.</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Datei geladen</translation>
    </message>
    <message>
        <source>Appending file completed.</source>
        <translation>Datei angehängt.</translation>
    </message>
    <message>
        <source>Appending file cancelled.</source>
        <translation>Anhängen der Datei abgebrochen.</translation>
    </message>
    <message>
        <source>Save database file</source>
        <translation>Datenbank speichern</translation>
    </message>
    <message>
        <source>Vocabulary database files (*.lxv)</source>
        <translation>Vokabeldatenbanken (*.lxv)</translation>
    </message>
    <message>
        <source>Save cancelled</source>
        <translation>Speichern abgebrochen</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <source>Backup created</source>
        <translation>Sicherung erstellt</translation>
    </message>
    <message>
        <source>Your database has been backed up to:
%1</source>
        <translation>Ihre Datenbank wurde gesichert unter:
%1</translation>
    </message>
    <message>
        <source>Backup failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Your database could not be backed up to:
%1</source>
        <translation>Ihre Datenbank konnte nicht gesichert werden unter:
%1</translation>
    </message>
    <message>
        <source>Export XML file</source>
        <translation>XML-Datei exportieren</translation>
    </message>
    <message>
        <source>XML files (*.xml)</source>
        <translation>XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>XML file saved</source>
        <translation>XML-Datei gespeichert</translation>
    </message>
    <message>
        <source>Export complete.</source>
        <translation>Export abgeschlossen.</translation>
    </message>
    <message>
        <source>Characters left out</source>
        <translation>Zeichen ausgelassen</translation>
    </message>
    <message>
        <source>One text held characters that an XML file cannot hold (control characters and the like); they were left out. It now reads:</source>
        <translation>Ein Text enthielt Zeichen, die eine XML-Datei nicht aufnehmen kann (Steuerzeichen und Ähnliches); sie wurden ausgelassen. Er lautet jetzt:</translation>
    </message>
    <message>
        <source>%1 texts held characters that an XML file cannot hold (control characters and the like); they were left out. The first now reads:</source>
        <translation>%1 Texte enthielten Zeichen, die eine XML-Datei nicht aufnehmen kann (Steuerzeichen und Ähnliches); sie wurden ausgelassen. Der erste lautet jetzt:</translation>
    </message>
    <message>
        <source>File save error</source>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message>
        <source>Unable to save XML file: %1</source>
        <translation>XML-Datei kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Import vocabulary database from XML file</source>
        <translation>Vokabeldatenbank aus XML-Datei importieren</translation>
    </message>
    <message>
        <source>Unable to open XML file: %1</source>
        <translation>XML-Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Output box will be cleared</source>
        <translation>Die Ausgabe wird geleert</translation>
    </message>
    <message>
        <source>This will remove the sentences currently in the output box.</source>
        <translation>Damit werden die Sätze entfernt, die jetzt in der Ausgabe stehen.</translation>
    </message>
    <message>
        <source>Not enough sentences</source>
        <translation>Nicht genügend Sätze</translation>
    </message>
    <message>
        <source>There aren&apos;t enough sentences in the
database matching your criteria to
complete your exercise.</source>
        <translation>Die Datenbank enthält nicht genügend
Sätze, die Ihren Kriterien entsprechen,
um die Übung zu vervollständigen.</translation>
    </message>
    <message>
        <source>Text copied to clipboard</source>
        <translation>Text in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Your exercise has been copied to the clipboard.
You can paste it into any text application.</source>
        <translation>Ihre Übung wurde in die Zwischenablage kopiert.
Sie können sie in jedes Textprogramm einfügen.</translation>
    </message>
    <message>
        <source>Failed to copy database file</source>
        <translation>Datenbankdatei konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>Unable to copy the database file %1 to %2.</source>
        <translation>Die Datenbankdatei %1 kann nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>1 entry without a key word was left out of the pairs.</source>
        <translation>1 Eintrag ohne Schlüsselwort wurde bei den Paaren ausgelassen.</translation>
    </message>
    <message>
        <source>%1 entries without a key word were left out of the pairs.</source>
        <translation>%1 Einträge ohne Schlüsselwort wurden bei den Paaren ausgelassen.</translation>
    </message>
    <message>
        <source>Nothing to match</source>
        <translation>Nichts zuzuordnen</translation>
    </message>
    <message>
        <source>None of the output entries has a key word, so a JMatch exercise would have no pairs. No file was written.</source>
        <translation>Keiner der Einträge in der Ausgabe hat ein Schlüsselwort, daher hätte eine JMatch-Übung keine Paare. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>&amp;Interactive web page</source>
        <translation>&amp;Interaktive Webseite</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Interaktiv</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a self-checking web exercise that works offline in any browser.</source>
        <translation>Die aktuellen Sätze der Ausgabe als selbstkorrigierende Web-Übung exportieren, die ohne Internet in jedem Browser läuft.</translation>
    </message>
    <message>
        <source>Save interactive web page</source>
        <translation>Interaktive Webseite speichern</translation>
    </message>
    <message>
        <source>Web page files (*.html *.htm)</source>
        <translation>Webseiten (*.html *.htm)</translation>
    </message>
    <message>
        <source>Problem saving interactive web page</source>
        <translation>Problem beim Speichern der interaktiven Webseite</translation>
    </message>
    <message>
        <source>Unable to save the interactive web page to 
</source>
        <translation>Die interaktive Webseite kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open interactive web page</source>
        <translation>Interaktive Webseite öffnen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change to the database.</source>
        <translation>Die letzte Änderung an der Datenbank rückgängig machen.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Make the change again that was undone last.</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Use Sentences</source>
        <translation>Sätze verwenden</translation>
    </message>
    <message>
        <source>Random Output</source>
        <translation>Zufällige Ausgabe</translation>
    </message>
    <message>
        <source>Im&amp;port...</source>
        <translation>Im&amp;portieren...</translation>
    </message>
    <message>
        <source>Add the words of a spreadsheet (CSV, TSV), KVTML or Hot Potatoes file to the current database.</source>
        <translation>Die Wörter einer Tabellen- (CSV, TSV), KVTML- oder Hot-Potatoes-Datei der aktuellen Datenbank hinzufügen.</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Wortliste importieren</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Spreadsheet text (*.csv *.tsv *.txt);;KVTML vocabulary files (*.kvtml);;Hot Potatoes JCloze files (*.jcl);;Hot Potatoes JMatch files (*.jmt);;All files (*)</source>
        <translation>Wortlisten (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Tabellentext (*.csv *.tsv *.txt);;KVTML-Vokabeldateien (*.kvtml);;Hot-Potatoes-JCloze-Dateien (*.jcl);;Hot-Potatoes-JMatch-Dateien (*.jmt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import abgebrochen.</translation>
    </message>
    <message>
        <source>It holds no headwords.</source>
        <translation>Sie enthält keine Stichwörter.</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.
%2</source>
        <translation>Aus %1 wurde nichts importiert.
%2</translation>
    </message>
    <message>
        <source>Import completed.</source>
        <translation>Import abgeschlossen.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importiert aus %1:</translation>
    </message>
    <message>
        <source>Headwords: %1 (%2 new, %3 merged into headwords already there)</source>
        <translation>Stichwörter: %1 (%2 neu, %3 mit vorhandenen Stichwörtern zusammengeführt)</translation>
    </message>
    <message>
        <source>Sentences: %1 (%2 new, %3 already there)</source>
        <translation>Sätze: %1 (%2 neu, %3 schon vorhanden)</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Nothing was skipped.</source>
        <translation>Nichts wurde übersprungen.</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... und %1 weitere (siehe Details)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>Lösungen &amp;anhängen</translation>
    </message>
    <message>
        <source>Shuffle word &amp;list</source>
        <translation>Wortliste &amp;durchmischen</translation>
    </message>
    <message>
        <source>Add an answer key to the output: the answers of each question, in order.</source>
        <translation>Der Ausgabe einen Lösungsteil anfügen: die Antworten jeder Frage, der Reihe nach.</translation>
    </message>
    <message>
        <source>Shu&amp;ffle word list</source>
        <translation>Wortliste &amp;durchmischen</translation>
    </message>
    <message>
        <source>&amp;PDF document</source>
        <translation>&amp;PDF-Dokument</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a PDF document, ready to print.</source>
        <translation>Die aktuellen Sätze der Ausgabe als druckfertiges PDF-Dokument exportieren.</translation>
    </message>
    <message>
        <source>Save PDF document</source>
        <translation>PDF-Dokument speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Problem saving PDF document</source>
        <translation>Problem beim Speichern des PDF-Dokuments</translation>
    </message>
    <message>
        <source>Unable to save the PDF document to 
</source>
        <translation>Das PDF-Dokument kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open PDF document</source>
        <translation>PDF-Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the current output sentences as an exercise sheet, with a preview first.</source>
        <translation>Die aktuellen Sätze der Ausgabe als Arbeitsblatt drucken, zuerst mit Vorschau.</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>A headword cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Ein Stichwort darf kein &quot;&amp;&amp;&amp;&quot; enthalten.</translation>
    </message>
    <message>
        <source>Large file</source>
        <translation>Große Datei</translation>
    </message>
    <message>
        <source>The file %1 is %2 large. Reading it takes a long time and about ten times as much memory.</source>
        <translation>Die Datei %1 ist %2 groß. Das Einlesen dauert lange und braucht etwa zehnmal so viel Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Texts changed</source>
        <translation>Texte geändert</translation>
    </message>
    <message>
        <source>%1 of the imported texts held &quot;&amp;&amp;&amp;&quot;, which a database file cannot store; they were imported with it written as &quot;&amp; &amp; &amp;&quot;.</source>
        <translation>%1 der importierten Texte enthielten &quot;&amp;&amp;&amp;&quot;, was eine Datenbankdatei nicht speichern kann; sie wurden mit &quot;&amp; &amp; &amp;&quot; an dieser Stelle importiert.</translation>
    </message>
    <message>
        <source>Moodle quiz (&amp;XML)</source>
        <translation>Moodle-Test (&amp;XML)</translation>
    </message>
    <message>
        <source>Moodle</source>
        <translation>Moodle</translation>
    </message>
    <message>
        <source>Export the current output sentences as questions for a Moodle quiz, in Moodle XML format.</source>
        <translation>Die aktuellen Ausgabesätze als Fragen für einen Moodle-Test im Format Moodle XML exportieren.</translation>
    </message>
    <message>
        <source>Save Moodle XML file</source>
        <translation>Moodle-XML-Datei speichern</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Moodle-XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>Problem saving Moodle XML file</source>
        <translation>Problem beim Speichern der Moodle-XML-Datei</translation>
    </message>
    <message>
        <source>Unable to save the Moodle XML file to 
</source>
        <translation>Die Moodle-XML-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Moodle ma&amp;tching question (XML)</source>
        <translation>Moodle-Zuordnungs&amp;frage (XML)</translation>
    </message>
    <message>
        <source>Export the current output sentences as one Moodle matching question, in Moodle XML format.</source>
        <translation>Die aktuellen Ausgabesätze als eine Moodle-Zuordnungsfrage im Format Moodle XML exportieren.</translation>
    </message>
    <message>
        <source>Save Moodle matching question</source>
        <translation>Moodle-Zuordnungsfrage speichern</translation>
    </message>
    <message>
        <source>Moodle matching question</source>
        <translation>Moodle-Zuordnungsfrage</translation>
    </message>
    <message>
        <source>A matching question needs at least two sentences with key words in the output list.</source>
        <translation>Eine Zuordnungsfrage braucht mindestens zwei Sätze mit Schlüsselwörtern in der Ausgabeliste.</translation>
    </message>
    <message>
        <source>Moodle quiz (&amp;GIFT)</source>
        <translation>Moodle-Test (&amp;GIFT)</translation>
    </message>
    <message>
        <source>Export the current output sentences as questions for a Moodle quiz, in GIFT format.</source>
        <translation>Die aktuellen Ausgabesätze als Fragen für einen Moodle-Test im GIFT-Format exportieren.</translation>
    </message>
    <message>
        <source>Save GIFT file</source>
        <translation>GIFT-Datei speichern</translation>
    </message>
    <message>
        <source>GIFT files (*.txt *.gift)</source>
        <translation>GIFT-Dateien (*.txt *.gift)</translation>
    </message>
    <message>
        <source>Problem saving GIFT file</source>
        <translation>Problem beim Speichern der GIFT-Datei</translation>
    </message>
    <message>
        <source>Unable to save the GIFT file to 
</source>
        <translation>Die GIFT-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>%1 names the step</comment>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>%1 names the step</comment>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Wortliste importieren</translation>
    </message>
    <message>
        <source>The words could not be added to the database.</source>
        <translation>Die Wörter konnten nicht in die Datenbank aufgenommen werden.</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>The database %1 is open in another copy of %2 (user %3, computer %4) since %5.</source>
        <translation>Die Datenbank %1 ist seit %5 in einer anderen Kopie von %2 geöffnet (Benutzer %3, Computer %4).</translation>
    </message>
    <message>
        <source>Database in use</source>
        <translation>Datenbank in Gebrauch</translation>
    </message>
    <message>
        <source>When two copies save the same database, the changes of one are lost. Open it read-only (saving then asks for another name), or open it anyway?</source>
        <translation>Wenn zwei Kopien dieselbe Datenbank speichern, gehen die Änderungen der einen verloren. Schreibgeschützt öffnen (Speichern fragt dann nach einem anderen Namen) oder trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>The database was not saved.</source>
        <translation>Die Datenbank wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Database changed on disk</source>
        <translation>Datenbank auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>Another program has changed the database file %1 since it was opened or last saved here.</source>
        <translation>Ein anderes Programm hat die Datenbankdatei %1 geändert, seit sie hier geöffnet oder zuletzt gespeichert wurde.</translation>
    </message>
    <message>
        <source>Overwrite the file with this window&apos;s database, or merge the file&apos;s headwords and sentences into this database and then save?</source>
        <translation>Die Datei mit der Datenbank dieses Fensters überschreiben, oder die Stichwörter und Sätze der Datei in diese Datenbank übernehmen und dann speichern?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The database file %1 could not be read; nothing was merged.</source>
        <translation>Die Datenbankdatei %1 konnte nicht gelesen werden; nichts wurde zusammengeführt.</translation>
    </message>
    <message>
        <source>Changes on disk merged.</source>
        <translation>Änderungen auf dem Datenträger zusammengeführt.</translation>
    </message>
    <message>
        <source>File reloaded</source>
        <translation>Datei neu geladen</translation>
    </message>
    <message>
        <source>The database file %1 could not be read.</source>
        <translation>Die Datenbankdatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Another program has changed the database file %1.</source>
        <translation>Ein anderes Programm hat die Datenbankdatei %1 geändert.</translation>
    </message>
    <message>
        <source>Reload it, or keep what this window shows?</source>
        <translation>Neu laden, oder behalten, was dieses Fenster zeigt?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Keep what is shown</source>
        <translation>Angezeigtes behalten</translation>
    </message>
    <message>
        <source>This window has changes that are not saved. Merge the file&apos;s headwords and sentences into this database, reload the file and lose this window&apos;s changes, or keep your own?</source>
        <translation>Dieses Fenster hat ungespeicherte Änderungen. Die Stichwörter und Sätze der Datei in diese Datenbank übernehmen, die Datei neu laden und die Änderungen dieses Fensters verwerfen, oder die eigenen behalten?</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Reload database</source>
        <translation>Datenbank neu laden</translation>
    </message>
    <message>
        <source>Reloading discards the changes made in this window since the database was last saved.</source>
        <translation>Beim Neuladen gehen die Änderungen verloren, die in diesem Fenster seit dem letzten Speichern der Datenbank gemacht wurden.</translation>
    </message>
    <message>
        <source>Database file removed</source>
        <translation>Datenbankdatei entfernt</translation>
    </message>
    <message>
        <source>The database file %1 has been deleted or moved away. Saving writes it anew.</source>
        <translation>Die Datenbankdatei %1 wurde gelöscht oder verschoben. Beim Speichern wird sie neu geschrieben.</translation>
    </message>
    <message>
        <source>The recovery copy could not be written: %1</source>
        <translation>Die Wiederherstellungskopie konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 from %2 can be recovered.</source>
        <translation>Ungespeicherte Änderungen an %1 vom %2 können wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>The unsaved changes were discarded.</source>
        <translation>Die ungespeicherten Änderungen wurden verworfen.</translation>
    </message>
    <message>
        <source>Recovery failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read.</source>
        <translation>Die Wiederherstellungskopie %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Unsaved changes recovered</source>
        <translation>Ungespeicherte Änderungen wiederhergestellt</translation>
    </message>
    <message>
        <source>Unable to save database file: %1</source>
        <translation>Datenbankdatei kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Exercise &amp;title:</source>
        <translation>Übungs&amp;titel:</translation>
    </message>
    <message>
        <source>the database&apos;s name</source>
        <translation>der Name der Datenbank</translation>
    </message>
    <message>
        <source>Shuffle the questions and the word list anew for the next export.</source>
        <translation>Die Fragen und die Wortliste für den nächsten Export neu mischen.</translation>
    </message>
    <message>
        <source>The next export is shuffled anew.</source>
        <translation>Der nächste Export wird neu gemischt.</translation>
    </message>
    <message>
        <source>Shuffle the word list: one word for each gap, in a random order.</source>
        <translation>Die Wortliste mischen: ein Wort für jede Lücke, in zufälliger Reihenfolge.</translation>
    </message>
    <message>
        <source>Clues and alternatives left out</source>
        <translation>Hinweise und weitere Antworten weggelassen</translation>
    </message>
    <message>
        <source>This format shows only the first answer of each gap and no clue. In these sentences the other answers and the clues are left out:</source>
        <translation>Dieses Format zeigt nur die erste Antwort jeder Lücke und keinen Hinweis. In diesen Sätzen werden die weiteren Antworten und die Hinweise weggelassen:</translation>
    </message>
    <message>
        <source>&amp;New shuffle</source>
        <translation>&amp;Neu mischen</translation>
    </message>
    <message>
        <source>E&amp;xtra words:</source>
        <translation>&amp;Zusätzliche Wörter:</translation>
    </message>
    <message>
        <source>Add N words from the database: key words of other sentences, of a length close to the answers&apos;, to the word bank and the drop-down lists.</source>
        <translation>N Wörter aus der Datenbank hinzufügen: Schlüsselwörter anderer Sätze, ungefähr so lang wie die Antworten, für den Wortspeicher und die Auswahllisten.</translation>
    </message>
    <message>
        <source>Extra words left out</source>
        <translation>Zusätzliche Wörter weggelassen</translation>
    </message>
    <message>
        <source>The word list is switched off, so these extra words are left out:</source>
        <translation>Die Wortliste ist ausgeschaltet, daher werden diese zusätzlichen Wörter weggelassen:</translation>
    </message>
    <message>
        <source>This export has no word bank to put these extra words in; they are left out:</source>
        <translation>Dieser Export hat keinen Wortspeicher für diese zusätzlichen Wörter; sie werden weggelassen:</translation>
    </message>
    <message>
        <source>They come from &quot;Extra words&quot; and &quot;From the database&quot; in the options, which are kept with the exercise.</source>
        <translation>Sie kommen aus „Zusätzliche Wörter“ und „Aus der Datenbank“ in den Optionen, die mit der Übung aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Extra words: words that fill no gap, one a line or separated by commas</source>
        <translation>Zusätzliche Wörter: Wörter, die keine Lücke füllen, eines pro Zeile oder durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Extra words</source>
        <translation>Zusätzliche Wörter</translation>
    </message>
    <message>
        <source>From the data&amp;base:</source>
        <translation>Aus der Daten&amp;bank:</translation>
    </message>
    <message>
        <source>Hot Potatoes players</source>
        <translation>Hot-Potatoes-Player</translation>
    </message>
    <message>
        <source>Neither the suite&apos;s own page nor Moodle&apos;s player can show these as typed:</source>
        <translation>Weder die eigene Seite der Suite noch Moodles Player können dies so zeigen, wie es getippt wurde:</translation>
    </message>
    <message>
        <source>&amp;Rename headword</source>
        <translation>Stichwort &amp;umbenennen</translation>
    </message>
    <message>
        <source>Change the text of the selected headword.</source>
        <translation>Den Text des ausgewählten Stichworts ändern.</translation>
    </message>
    <message>
        <source>Remove the selected sentences from the output list.</source>
        <translation>Die ausgewählten Sätze aus der Ausgabe entfernen.</translation>
    </message>
    <message>
        <source>Remove all sentences from the output list.</source>
        <translation>Alle Sätze aus der Ausgabe entfernen.</translation>
    </message>
    <message>
        <source>Found in a sentence of &quot;%1&quot;</source>
        <translation>Gefunden in einem Satz zu „%1“</translation>
    </message>
    <message>
        <source>Found in the headword &quot;%1&quot;</source>
        <translation>Gefunden im Stichwort „%1“</translation>
    </message>
    <message>
        <source>Moodle XML file saved</source>
        <translation>Moodle-XML-Datei gespeichert</translation>
    </message>
    <message>
        <source>GIFT file saved</source>
        <translation>GIFT-Datei gespeichert</translation>
    </message>
    <message>
        <source>Do you want to show the saved file in its folder?</source>
        <translation>Möchten Sie den Ordner der gespeicherten Datei öffnen?</translation>
    </message>
    <message>
        <source>H5P</source>
        <translation>H5P</translation>
    </message>
    <message>
        <source>H5P files (*.h5p)</source>
        <translation>H5P-Dateien (*.h5p)</translation>
    </message>
    <message>
        <source>Problem saving H5P file</source>
        <translation>Problem beim Speichern der H5P-Datei</translation>
    </message>
    <message>
        <source>Unable to save the H5P file to 
</source>
        <translation>Die H5P-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open H5P file</source>
        <translation>H5P-Datei öffnen</translation>
    </message>
    <message>
        <source>None of the output entries has a key word that H5P can hold. No file was written.</source>
        <translation>Keiner der Ausgabesätze hat ein Schlüsselwort, das H5P aufnehmen kann. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>H5P marks gaps with &quot;*&quot;, &quot;/&quot; and &quot;:&quot; and cannot hold them in an answer. These are left out of the file:</source>
        <translation>H5P markiert Lücken mit „*“, „/“ und „:“ und kann sie in keiner Antwort aufnehmen. Folgendes wird in der Datei weggelassen:</translation>
    </message>
    <message>
        <source>H5P: &amp;Fill in the Blanks</source>
        <translation>H5P: &amp;Lückentext (Fill in the Blanks)</translation>
    </message>
    <message>
        <source>Export the current output sentences as an H5P &quot;Fill in the Blanks&quot; exercise; the learning platform needs that content type installed.</source>
        <translation>Die aktuellen Ausgabesätze als H5P-Übung „Fill in the Blanks“ exportieren; auf der Lernplattform muss dieser Inhaltstyp installiert sein.</translation>
    </message>
    <message>
        <source>Save H5P Fill in the Blanks file</source>
        <translation>H5P-Datei „Fill in the Blanks“ speichern</translation>
    </message>
    <message>
        <source>H5P: &amp;Drag the Words</source>
        <translation>H5P: &amp;Wörter ziehen (Drag the Words)</translation>
    </message>
    <message>
        <source>Export the current output sentences as an H5P &quot;Drag the Words&quot; exercise; the learning platform needs that content type installed.</source>
        <translation>Die aktuellen Ausgabesätze als H5P-Übung „Drag the Words“ exportieren; auf der Lernplattform muss dieser Inhaltstyp installiert sein.</translation>
    </message>
    <message>
        <source>Save H5P Drag the Words file</source>
        <translation>H5P-Datei „Drag the Words“ speichern</translation>
    </message>
    <message>
        <source>&amp;SCORM package (interactive page)</source>
        <translation>&amp;SCORM-Paket (interaktive Seite)</translation>
    </message>
    <message>
        <source>Export the current output sentences as a SCORM 1.2 package of the interactive web page, which reports the pupil&apos;s score to the learning platform.</source>
        <translation>Die aktuellen Ausgabesätze als SCORM-1.2-Paket der interaktiven Webseite exportieren, die das Ergebnis der Schüler an die Lernplattform meldet.</translation>
    </message>
    <message>
        <source>Save SCORM package</source>
        <translation>SCORM-Paket speichern</translation>
    </message>
    <message>
        <source>SCORM packages (*.zip)</source>
        <translation>SCORM-Pakete (*.zip)</translation>
    </message>
    <message>
        <source>Problem saving SCORM package</source>
        <translation>Problem beim Speichern des SCORM-Pakets</translation>
    </message>
    <message>
        <source>Unable to save the SCORM package to 
</source>
        <translation>Das SCORM-Paket kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Open SCORM package</source>
        <translation>SCORM-Paket öffnen</translation>
    </message>
    <message>
        <source>The ZIP archive could not be made.</source>
        <translation>Das ZIP-Archiv konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>LMS</source>
        <translation>LMS</translation>
    </message>
    <message>
        <source>New headwords: %1</source>
        <translation>Neue Stichwörter: %1</translation>
    </message>
    <message>
        <source>Sentences without a key word, which make no gap until brackets are added: %1</source>
        <translation>Sätze ohne Schlüsselwort, die keine Lücke ergeben, bis Klammern gesetzt werden: %1</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Umgewandelt: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The lock was made on another computer; whether that copy still runs cannot be told from here. If it does not, Open anyway removes its lock.</source>
        <translation>Die Sperre wurde auf einem anderen Computer angelegt; ob diese Kopie noch läuft, lässt sich von hier aus nicht feststellen. Wenn nicht, entfernt „Trotzdem öffnen“ ihre Sperre.</translation>
    </message>
    <message>
        <source>That copy opened the database after this window did. The database was not saved; save it under another name.</source>
        <translation>Diese Kopie hat die Datenbank nach diesem Fenster geöffnet. Die Datenbank wurde nicht gespeichert; speichern Sie sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>Unable to make the working database %1 from %2:
%3
The program tries again at its next start.</source>
        <translation>Die Arbeitsdatenbank %1 kann nicht aus %2 erstellt werden:
%3
Das Programm versucht es beim nächsten Start erneut.</translation>
    </message>
    <message>
        <source>The exercise could not be kept: %1</source>
        <translation>Die Übung konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>Choices left out</source>
        <translation>Auswahl weggelassen</translation>
    </message>
    <message>
        <source>This format cannot offer a gap its own choices. In these sentences the wrong choices are left out and only the answers kept:</source>
        <translation>Dieses Format kann einer Lücke keine eigene Auswahl anbieten. In diesen Sätzen wird die falsche Auswahl weggelassen, nur die Antworten bleiben:</translation>
    </message>
    <message>
        <source>Sentences kept</source>
        <translation>Sätze beibehalten</translation>
    </message>
    <message>
        <source>%1 files were saved. Do you want to show them in their folder?</source>
        <translation>%1 Dateien wurden gespeichert. Möchten Sie ihren Ordner öffnen?</translation>
    </message>
    <message>
        <source>Overwrite files?</source>
        <translation>Dateien überschreiben?</translation>
    </message>
    <message>
        <source>These files already exist:
%1
Are you sure you want to overwrite them?</source>
        <translation>Diese Dateien existieren bereits:
%1
Möchten Sie sie wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Written before it:</source>
        <translation>Davor geschrieben:</translation>
    </message>
    <message>
        <source>&amp;Differentiated sheets</source>
        <translation>D&amp;ifferenzierte Blätter</translation>
    </message>
    <message>
        <source>Three sheets of one exercise in one order, so one key serves them all: with the word bank, with the first letter of each answer, and plain.</source>
        <translation>Drei Blätter einer Übung in einer Reihenfolge, sodass eine Lösung für alle gilt: mit Wortspeicher, mit dem ersten Buchstaben jeder Antwort und ohne beides.</translation>
    </message>
    <message>
        <source>H&amp;ints:</source>
        <translation>Ti&amp;pps:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>First letter</source>
        <translation>Erster Buchstabe</translation>
    </message>
    <message>
        <source>Letter count</source>
        <translation>Buchstabenzahl</translation>
    </message>
    <message>
        <source>What each gap shows of its answer.</source>
        <translation>Was jede Lücke von ihrer Antwort zeigt.</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versionen:</translation>
    </message>
    <message>
        <source>Versions A, B, C... of the exercise, each with its own key.</source>
        <translation>Versionen A, B, C … der Übung, jede mit ihrer eigenen Lösung.</translation>
    </message>
    <message>
        <source>Reordered</source>
        <translation>Umgestellt</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>Kind of versions</source>
        <translation>Art der Versionen</translation>
    </message>
    <message>
        <source>Reordered: the same sentences in another order. Parallel: other sentences of the same headwords.</source>
        <translation>Umgestellt: dieselben Sätze in anderer Reihenfolge. Parallel: andere Sätze derselben Stichwörter.</translation>
    </message>
    <message>
        <source>Ke&amp;ys at the end</source>
        <translation>Lö&amp;sungen am Ende</translation>
    </message>
    <message>
        <source>In a PDF document or a print: all the keys after all the versions.</source>
        <translation>In einem PDF-Dokument oder Ausdruck: alle Lösungen nach allen Versionen.</translation>
    </message>
    <message>
        <source>1 entry without a key word was left out of the cards.</source>
        <translation>1 Eintrag ohne Schlüsselwort wurde bei den Karten weggelassen.</translation>
    </message>
    <message>
        <source>%1 entries without a key word were left out of the cards.</source>
        <translation>%1 Einträge ohne Schlüsselwort wurden bei den Karten weggelassen.</translation>
    </message>
    <message>
        <source>Nothing to practise</source>
        <translation>Nichts zu üben</translation>
    </message>
    <message>
        <source>None of the output entries has a key word, so there would be no flash cards. No file was written.</source>
        <translation>Keiner der Ausgabesätze hat ein Schlüsselwort, also gäbe es keine Lernkarten. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Anki text files (*.txt)</source>
        <translation>Anki-Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Quizlet text files (*.txt)</source>
        <translation>Quizlet-Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Hints left out</source>
        <translation>Tipps weggelassen</translation>
    </message>
    <message>
        <source>This format has no place for a hint beside a gap; its gaps are made without hints.</source>
        <translation>Dieses Format hat keinen Platz für einen Tipp neben einer Lücke; seine Lücken werden ohne Tipps erstellt.</translation>
    </message>
    <message>
        <source>&amp;Anki flash cards</source>
        <translation>&amp;Anki-Lernkarten</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Export the current output sentences as cloze flash cards for Anki.</source>
        <translation>Die aktuellen Ausgabesätze als Lückentext-Lernkarten für Anki exportieren.</translation>
    </message>
    <message>
        <source>Save Anki file</source>
        <translation>Anki-Datei speichern</translation>
    </message>
    <message>
        <source>Problem saving Anki file</source>
        <translation>Problem beim Speichern der Anki-Datei</translation>
    </message>
    <message>
        <source>Unable to save the Anki file to 
</source>
        <translation>Die Anki-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Anki file saved</source>
        <translation>Anki-Datei gespeichert</translation>
    </message>
    <message>
        <source>&amp;Quizlet flash cards</source>
        <translation>&amp;Quizlet-Lernkarten</translation>
    </message>
    <message>
        <source>Export the current output sentences as flash cards to import into Quizlet.</source>
        <translation>Die aktuellen Ausgabesätze als Lernkarten zum Import in Quizlet exportieren.</translation>
    </message>
    <message>
        <source>Save Quizlet file</source>
        <translation>Quizlet-Datei speichern</translation>
    </message>
    <message>
        <source>Problem saving Quizlet file</source>
        <translation>Problem beim Speichern der Quizlet-Datei</translation>
    </message>
    <message>
        <source>Unable to save the Quizlet file to 
</source>
        <translation>Die Quizlet-Datei kann nicht gespeichert werden unter 
</translation>
    </message>
    <message>
        <source>Quizlet file saved</source>
        <translation>Quizlet-Datei gespeichert</translation>
    </message>
    <message>
        <source>Second answers left out</source>
        <translation>Zweite Antworten weggelassen</translation>
    </message>
    <message>
        <source>A drop zone takes one word. In these sentences the second answers are left out and only the first kept:</source>
        <translation>Ein Ablagefeld nimmt ein Wort auf. In diesen Sätzen werden die zweiten Antworten weggelassen und nur die ersten behalten:</translation>
    </message>
    <message>
        <source>H5P marks gaps with &quot;*&quot;, &quot;/&quot; and &quot;:&quot; and cannot hold them in an answer. These sentences are kept without what each line names:</source>
        <translation>H5P markiert Lücken mit &quot;*&quot;, &quot;/&quot; und &quot;:&quot; und kann sie nicht in einer Antwort aufnehmen. Diese Sätze bleiben erhalten, ohne das, was jede Zeile nennt:</translation>
    </message>
    <message>
        <source>Exercise options</source>
        <translation>Übungsoptionen</translation>
    </message>
    <message>
        <source>Move sentence up</source>
        <translation>Satz nach oben</translation>
    </message>
    <message>
        <source>Move sentence down</source>
        <translation>Satz nach unten</translation>
    </message>
    <message>
        <source>Move output entry up</source>
        <translation>Ausgabeeintrag nach oben</translation>
    </message>
    <message>
        <source>Move output entry down</source>
        <translation>Ausgabeeintrag nach unten</translation>
    </message>
    <message>
        <source>Check &amp;spelling...</source>
        <translation>&amp;Rechtschreibung prüfen …</translation>
    </message>
    <message>
        <source>Lists the words of the database or of the output list that the dictionary does not know</source>
        <translation>Listet die Wörter der Datenbank oder der Ausgabeliste auf, die das Wörterbuch nicht kennt</translation>
    </message>
    <message>
        <source>Instr&amp;uctions:</source>
        <translation>Anweis&amp;ungen:</translation>
    </message>
    <message>
        <source>Language of the instructions</source>
        <translation>Sprache der Anweisungen</translation>
    </message>
    <message>
        <source>The language of the instructions, headings and buttons the pupils read; the sentences keep the database&apos;s language.</source>
        <translation>Die Sprache der Anweisungen, Überschriften und Schaltflächen, die die Schüler lesen; die Sätze behalten die Sprache der Datenbank.</translation>
    </message>
    <message>
        <source>Database &amp;Language</source>
        <translation>Datenbank&amp;sprache</translation>
    </message>
    <message>
        <source>The database has no language set.</source>
        <translation>Für die Datenbank ist keine Sprache festgelegt.</translation>
    </message>
    <message>
        <source>Database language: %1</source>
        <translation>Sprache der Datenbank: %1</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Andere...</translation>
    </message>
    <message>
        <source>&amp;Other (%1)...</source>
        <translation>&amp;Andere (%1)...</translation>
    </message>
    <message>
        <source>Database language</source>
        <translation>Sprache der Datenbank</translation>
    </message>
    <message>
        <source>The language of the sentences, as a language tag: a language code, often followed by a country code (en-AU, pt-BR, sr-Latn-RS):</source>
        <translation>Die Sprache der Sätze als Sprachkennung: ein Sprachcode, oft gefolgt von einem Ländercode (en-AU, pt-BR, sr-Latn-RS):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. A tag is a language code such as en or de, often followed by a hyphen and a country code, as in en-GB or de-CH.</source>
        <translation>„%1“ ist keine Sprachkennung. Eine Kennung ist ein Sprachcode wie en oder de, oft gefolgt von einem Bindestrich und einem Ländercode, etwa en-GB oder de-CH.</translation>
    </message>
    <message>
        <source>&amp;Find sentences in a text...</source>
        <translation>Sätze in einem Text &amp;finden …</translation>
    </message>
    <message>
        <source>Find example sentences for the headwords in a text you have.</source>
        <translation>Beispielsätze für die Stichwörter in einem vorhandenen Text finden.</translation>
    </message>
</context>
<context>
    <name>MoodleExport</name>
    <message>
        <source>%1: matching</source>
        <translation>%1: Zuordnung</translation>
    </message>
    <message>
        <source>Match each sentence with its missing words.</source>
        <translation>Ordnen Sie jedem Satz seine fehlenden Wörter zu.</translation>
    </message>
</context>
<context>
    <name>ScormPackage</name>
    <message>
        <source>Answer every gap before you check: your first complete check is the score that counts.</source>
        <translation>Fülle alle Lücken aus, bevor du prüfst: Deine erste vollständige Prüfung ist das Ergebnis, das zählt.</translation>
    </message>
    <message>
        <source>Score recorded: %1%</source>
        <translation>Gemeldetes Ergebnis: %1 %</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>No spelling dictionary for %1 was found, so spelling is not checked. Install the Debian package %2 to have it checked.</source>
        <translation>Für %1 wurde kein Rechtschreibwörterbuch gefunden, daher wird die Rechtschreibung nicht geprüft. Installieren Sie das Debian-Paket %2, damit sie geprüft wird.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>SpellMenu</name>
    <message>
        <source>%1 spelling</source>
        <translation>Schreibweise: %1</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Word not added</source>
        <translation>Wort nicht hinzugefügt</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; could not be added to your word list %2:
%3</source>
        <translation>Das Wort „%1“ konnte nicht zu Ihrer Wortliste %2 hinzugefügt werden:
%3</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Not in the dictionary: %1</source>
        <translation>Nicht im Wörterbuch: %1</translation>
    </message>
    <message>
        <source>Another spelling: %1</source>
        <translation>Andere Schreibweise: %1</translation>
    </message>
</context>
<context>
    <name>SentenceFinder</name>
    <message>
        <source>Short for an example sentence</source>
        <translation>Kurz für einen Beispielsatz</translation>
    </message>
    <message>
        <source>Long for an example sentence</source>
        <translation>Lang für einen Beispielsatz</translation>
    </message>
    <message>
        <source>Begins with a word that points to an earlier sentence</source>
        <translation>Beginnt mit einem Wort, das auf einen früheren Satz verweist</translation>
    </message>
    <message>
        <source>Part of a quotation</source>
        <translation>Teil eines Zitats</translation>
    </message>
    <message>
        <source>Not a whole sentence: no full stop</source>
        <translation>Kein ganzer Satz: kein Schlusspunkt</translation>
    </message>
    <message>
        <source>Not a whole sentence: no capital letter</source>
        <translation>Kein ganzer Satz: kein Großbuchstabe am Anfang</translation>
    </message>
    <message>
        <source>the headword</source>
        <translation>das Stichwort</translation>
    </message>
    <message>
        <source>a regular form</source>
        <translation>eine regelmäßige Form</translation>
    </message>
    <message>
        <source>an irregular form</source>
        <translation>eine unregelmäßige Form</translation>
    </message>
    <message>
        <source>a phrasal verb</source>
        <translation>ein Partikelverb</translation>
    </message>
    <message>
        <source>a word of the same stem</source>
        <translation>ein Wort desselben Stamms</translation>
    </message>
    <message>
        <source>Rare words: %1</source>
        <translation>Seltene Wörter: %1</translation>
    </message>
    <message>
        <source>Found as %1</source>
        <translation>Gefunden als %1</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Wörter: %1</translation>
    </message>
</context>
<context>
    <name>TemplateFill</name>
    <message>
        <source>Sentence %1: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Satz %1: ein Zeichen wie ein Emoji, das Moodles Player zerstört.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: it looks like markup, and the word list shows it as such.</source>
        <translation>Satz %1, Antwort „%2“: Sie sieht wie Auszeichnung aus, und die Wortliste zeigt sie als solche.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: Moodle&apos;s player accepts it only with the reference decoded.</source>
        <translation>Satz %1, Antwort „%2“: Moodles Player nimmt sie nur mit aufgelöster Referenz an.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Satz %1, Antwort „%2“: ein Zeichen wie ein Emoji, das Moodles Player zerstört.</translation>
    </message>
    <message>
        <source>Sentence %1, clue &quot;%2&quot;: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Satz %1, Hinweis „%2“: ein Zeichen wie ein Emoji, das Moodles Player zerstört.</translation>
    </message>
</context>
<context>
    <name>TextReader</name>
    <message>
        <source>The book has no META-INF/container.xml.</source>
        <translation>Das Buch hat keine META-INF/container.xml.</translation>
    </message>
    <message>
        <source>The book&apos;s package document cannot be read.</source>
        <translation>Das Paketdokument des Buchs kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The PDF file cannot be read or is protected by a password.</source>
        <translation>Die PDF-Datei kann nicht gelesen werden oder ist durch ein Passwort geschützt.</translation>
    </message>
    <message>
        <source>Texts (*.txt *.text *.htm *.html *.xhtml *.odt *.docx *.epub *.pdf)</source>
        <translation>Texte (*.txt *.text *.htm *.html *.xhtml *.odt *.docx *.epub *.pdf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a text.</source>
        <translation>%1 ist zu groß für einen Text.</translation>
    </message>
    <message>
        <source>%1 is no %2 file.</source>
        <translation>%1 ist keine %2-Datei.</translation>
    </message>
    <message>
        <source>%1 has no %2.</source>
        <translation>%1 enthält kein %2.</translation>
    </message>
</context>
<context>
    <name>XmlLimits</name>
    <message>
        <source>The file&apos;s elements are nested more than %1 levels deep.</source>
        <translation>Die Elemente der Datei sind mehr als %1 Ebenen tief verschachtelt.</translation>
    </message>
    <message>
        <source>The entities and default values in the file&apos;s document type would add more than %1 characters to it.</source>
        <translation>Die Entitäten und Vorgabewerte in der Dokumenttypdeklaration der Datei würden ihr mehr als %1 Zeichen hinzufügen.</translation>
    </message>
    <message>
        <source>The file&apos;s document type declares parameter entities, which are not read.</source>
        <translation>Die Dokumenttypdeklaration der Datei deklariert Parameter-Entitäten, die nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ZelConfirm</name>
    <message>
        <source>Are you sure you want to do this?</source>
        <translation>Möchten Sie das wirklich tun?</translation>
    </message>
</context>
<context>
    <name>ZelFileDialog</name>
    <message>
        <source>Overwrite file?</source>
        <translation>Datei überschreiben?</translation>
    </message>
    <message>
        <source>This file already exists. Are you sure you want to overwrite it?</source>
        <translation>Diese Datei existiert bereits. Möchten Sie sie wirklich überschreiben?</translation>
    </message>
</context>
<context>
    <name>ZelUtils</name>
    <message>
        <source>File open error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Unable to open this file:
 %1</source>
        <translation>Diese Datei kann nicht geöffnet werden:
 %1</translation>
    </message>
    <message>
        <source>Please try opening the file manually.</source>
        <translation>Bitte versuchen Sie, die Datei selbst zu öffnen.</translation>
    </message>
</context>
</TS>
