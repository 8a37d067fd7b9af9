<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BracketText</name>
    <message>
        <source>a single &quot;:&quot;; a clue needs two, as in [went::go]</source>
        <translation>un seul &quot;:&quot; ; un indice en demande deux, comme dans [went::go]</translation>
    </message>
    <message>
        <source>an empty answer beside &quot;|&quot;</source>
        <translation>une réponse vide à côté de &quot;|&quot;</translation>
    </message>
    <message>
        <source>an empty choice beside &quot;~&quot;</source>
        <translation>un choix vide à côté de &quot;~&quot;</translation>
    </message>
    <message>
        <source>the clue &quot;%1&quot; gives the answer away</source>
        <translation>l’indice &quot;%1&quot; donne la réponse</translation>
    </message>
    <message>
        <source>the choice &quot;%1&quot; is an accepted answer</source>
        <translation>le choix &quot;%1&quot; est une réponse acceptée</translation>
    </message>
    <message>
        <source>Gap %1: %2</source>
        <translation>Trou %1 : %2</translation>
    </message>
</context>
<context>
    <name>CheckedWrite</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>DlgCheckSpelling</name>
    <message>
        <source>Check spelling</source>
        <translation>Vérifier l’orthographe</translation>
    </message>
    <message>
        <source>The whole database</source>
        <translation>Toute la base de données</translation>
    </message>
    <message>
        <source>The output list</source>
        <translation>La liste de sortie</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Progression de la vérification</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Mots trouvés</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Mot vedette</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Replace here</source>
        <translation>Remplacer ici</translation>
    </message>
    <message>
        <source>Replace everywhere</source>
        <translation>Remplacer partout</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Dictionnaire : %1 (%2)</translation>
    </message>
    <message>
        <source>Checking %1 texts...</source>
        <translation>Vérification de %1 textes…</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>La vérification a été arrêtée.</translation>
    </message>
    <message>
        <source>%1 spelling</source>
        <translation>Orthographe : %1</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>Absent du dictionnaire</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>Trouvé : %1</translation>
    </message>
    <message>
        <source>No spelling mistakes found in %1 texts.</source>
        <translation>Aucune faute d’orthographe dans %1 textes.</translation>
    </message>
    <message>
        <source>%1 texts checked. Words not in the dictionary: %2; words of another spelling: %3.</source>
        <translation>%1 textes vérifiés. Mots absents du dictionnaire : %2 ; mots d’une autre orthographe : %3.</translation>
    </message>
    <message>
        <source>Output list</source>
        <translation>Liste de sortie</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot;</source>
        <translation>Remplacer « %1 »</translation>
    </message>
    <message>
        <source>%1 texts were changed since the check and were left as they are.</source>
        <translation>%1 textes ont été modifiés depuis la vérification et restent tels quels.</translation>
    </message>
    <message>
        <source>Word not added</source>
        <translation>Mot non ajouté</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; could not be added to your word list %2:
%3</source>
        <translation>Le mot « %1 » n’a pas pu être ajouté à votre liste de mots %2 :
%3</translation>
    </message>
</context>
<context>
    <name>DlgChooseDbLang</name>
    <message>
        <source>Choose preferred spelling</source>
        <translation>Choisir l&apos;orthographe préférée</translation>
    </message>
    <message>
        <source>Choose which version of the database you would like to use.
The databases differ slightly in spelling and vocabulary.</source>
        <translation>Choisissez la version de la base de données que vous souhaitez utiliser.
Les bases de données diffèrent légèrement par l&apos;orthographe et le vocabulaire.</translation>
    </message>
    <message>
        <source>American (US)</source>
        <translation>Américain (US)</translation>
    </message>
    <message>
        <source>British (UK)</source>
        <translation>Britannique (UK)</translation>
    </message>
    <message>
        <source>Canadian</source>
        <translation>Canadien</translation>
    </message>
</context>
<context>
    <name>DlgEditSentence</name>
    <message>
        <source>Add or edit a sentence</source>
        <translation>Ajouter ou modifier une phrase</translation>
    </message>
    <message>
        <source>Times used:</source>
        <translation>Nombre d&apos;utilisations :</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Phrase :</translation>
    </message>
    <message>
        <source>Sentence status:</source>
        <translation>État de la phrase :</translation>
    </message>
    <message>
        <source>No gapped word.</source>
        <translation>Aucun mot à trouer.</translation>
    </message>
    <message>
        <source>Unmatched brackets!</source>
        <translation>Crochets non appariés !</translation>
    </message>
    <message>
        <source>A sentence cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Une phrase ne peut pas contenir &quot;&amp;&amp;&amp;&quot;.</translation>
    </message>
    <message>
        <source>Gap %1: %2</source>
        <translation>Trou %1 : %2</translation>
    </message>
    <message>
        <source>(also %1)</source>
        <translation>(aussi %1)</translation>
    </message>
    <message>
        <source>clue: %1</source>
        <translation>indice : %1</translation>
    </message>
    <message>
        <source>Check the gaps below.</source>
        <translation>Vérifiez les trous ci-dessous.</translation>
    </message>
    <message>
        <source>choices: %1</source>
        <translation>choix : %1</translation>
    </message>
</context>
<context>
    <name>DlgFindSentences</name>
    <message>
        <source>Find sentences in a text</source>
        <translation>Trouver des phrases dans un texte</translation>
    </message>
    <message>
        <source>&amp;All headwords</source>
        <translation>&amp;Toutes les entrées</translation>
    </message>
    <message>
        <source>All headwords</source>
        <translation>Toutes les entrées</translation>
    </message>
    <message>
        <source>&amp;Selected headwords</source>
        <translation>Entrées &amp;sélectionnées</translation>
    </message>
    <message>
        <source>Selected headwords</source>
        <translation>Entrées sélectionnées</translation>
    </message>
    <message>
        <source>Text to search</source>
        <translation>Texte à parcourir</translation>
    </message>
    <message>
        <source>Paste a text here, or open a file.</source>
        <translation>Collez un texte ici ou ouvrez un fichier.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>&amp;Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>Rec&amp;hercher</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Cancel search</source>
        <translation>&amp;Annuler la recherche</translation>
    </message>
    <message>
        <source>Cancel search</source>
        <translation>Annuler la recherche</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Sentences found</source>
        <translation>Phrases trouvées</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Sentences &amp;found (tick the ones to add; double-click to change the brackets):</source>
        <translation>Phrases &amp;trouvées (cochez celles à ajouter ; double-cliquez pour changer les crochets) :</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Add the ticked sentences</source>
        <translation>Ajouter les phrases cochées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open a text</source>
        <translation>Ouvrir un texte</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche en cours…</translation>
    </message>
    <message>
        <source>Reading cancelled.</source>
        <translation>Lecture annulée.</translation>
    </message>
    <message>
        <source>The text is read. Press Search.</source>
        <translation>Le texte est lu. Appuyez sur Rechercher.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Recherche annulée.</translation>
    </message>
    <message>
        <source>No gapped word.</source>
        <translation>Aucun mot à trou.</translation>
    </message>
    <message>
        <source>Unmatched brackets!</source>
        <translation>Crochets non appariés !</translation>
    </message>
    <message>
        <source>No sentence is ticked.</source>
        <translation>Aucune phrase n’est cochée.</translation>
    </message>
    <message>
        <source>Add Found Sentences</source>
        <translation>Ajouter les phrases trouvées</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2)</source>
        <translation>Ignorée : %1 (%2)</translation>
    </message>
    <message>
        <source>Sentences found: %1, for %2 headwords, in a text of %3 sentences. Left out as the database has them: %4.</source>
        <translation>Phrases trouvées : %1, pour %2 entrées, dans un texte de %3 phrases. Omises car la base les contient : %4.</translation>
    </message>
    <message>
        <source>Sentences added: %1.</source>
        <translation>Phrases ajoutées : %1.</translation>
    </message>
</context>
<context>
    <name>DlgImportCsv</name>
    <message>
        <source>Import spreadsheet text</source>
        <translation>Importer un tableau texte</translation>
    </message>
    <message>
        <source>Choose the column that holds the headwords and the column that holds the example sentences.</source>
        <translation>Choisissez la colonne des entrées et celle des phrases d’exemple.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Point-virgule ( ; )</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Virgule ( , )</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
    <message>
        <source>&amp;Headword column:</source>
        <translation>Colonne des &amp;entrées :</translation>
    </message>
    <message>
        <source>S&amp;entence column:</source>
        <translation>Colonne des p&amp;hrases :</translation>
    </message>
    <message>
        <source>The &amp;first row names the columns</source>
        <translation>La &amp;première ligne nomme les colonnes</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>(none: headwords only)</source>
        <translation>(aucune : entrées seules)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonne %1 : %2</translation>
    </message>
    <message>
        <source>Rows to import: %1</source>
        <translation>Lignes à importer : %1</translation>
    </message>
    <message>
        <source>The first rows of a long file are shown; all of its rows are read when you import.</source>
        <translation>Les premières lignes d’un long fichier sont affichées ; toutes ses lignes sont lues lors de l’importation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (named by the file)</source>
        <translation>« %1 » (indiqué par le fichier)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>DlgInteractivePage</name>
    <message>
        <source>Interactive web page</source>
        <translation>Page web interactive</translation>
    </message>
    <message>
        <source>What the pupil does</source>
        <translation>Ce que fait l&apos;élève</translation>
    </message>
    <message>
        <source>&amp;Gap-fill: type each missing word</source>
        <translation>&amp;Texte à trous : taper chaque mot manquant</translation>
    </message>
    <message>
        <source>Choose the words from &amp;drop-down lists of the word list</source>
        <translation>Choisir les mots dans des listes &amp;déroulantes de la liste de mots</translation>
    </message>
    <message>
        <source>&amp;Matching: choose the missing words of each sentence from a list</source>
        <translation>&amp;Association : choisir dans une liste les mots manquants de chaque phrase</translation>
    </message>
    <message>
        <source>Marking typed answers</source>
        <translation>Correction des réponses tapées</translation>
    </message>
    <message>
        <source>&amp;Capitals must match (case-sensitive)</source>
        <translation>Les &amp;majuscules doivent correspondre</translation>
    </message>
    <message>
        <source>&amp;Accents must be typed</source>
        <translation>Les &amp;accents doivent être tapés</translation>
    </message>
    <message>
        <source>&amp;Hint button that gives the next letter</source>
        <translation>Bouton d&apos;&amp;indice qui donne la lettre suivante</translation>
    </message>
    <message>
        <source>Tick &quot;Include word list&quot; to use drop-down lists.</source>
        <translation>Cochez « Inclure la liste de mots » pour utiliser des listes déroulantes.</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>La page</translation>
    </message>
    <message>
        <source>A &quot;Show answers&quot; &amp;button</source>
        <translation>Un &amp;bouton « Afficher les réponses »</translation>
    </message>
    <message>
        <source>All gaps of &amp;one width, so that their length gives nothing away</source>
        <translation>Tous les trous de même &amp;largeur, pour que leur longueur ne trahisse rien</translation>
    </message>
    <message>
        <source>Learning platform</source>
        <translation>Plateforme d&apos;apprentissage</translation>
    </message>
    <message>
        <source>&amp;Pass mark:</source>
        <translation>&amp;Seuil de réussite :</translation>
    </message>
    <message>
        <source>Without a pass mark the platform records the exercise as completed.</source>
        <translation>Sans seuil de réussite, la plateforme enregistre l&apos;exercice comme terminé.</translation>
    </message>
    <message>
        <source>Pass mark</source>
        <translation>Seuil de réussite</translation>
    </message>
    <message>
        <source>SCORM package</source>
        <translation>Paquet SCORM</translation>
    </message>
    <message>
        <source>Score &amp;recorded:</source>
        <translation>Score &amp;enregistré :</translation>
    </message>
    <message>
        <source>The first check with every gap answered</source>
        <translation>La première vérification avec toutes les lacunes remplies</translation>
    </message>
    <message>
        <source>The best check</source>
        <translation>La meilleure vérification</translation>
    </message>
    <message>
        <source>Each hin&amp;t costs:</source>
        <translation>Chaque indi&amp;ce coûte :</translation>
    </message>
    <message>
        <source> % of its gap</source>
        <translation> % de sa lacune</translation>
    </message>
    <message>
        <source>A gap whose answer the hints spelled out, or that &quot;Show answers&quot; revealed, counts as wrong.</source>
        <translation>Une lacune dont les indices ont donné toute la réponse, ou que « Afficher les réponses » a dévoilée, compte comme fausse.</translation>
    </message>
    <message>
        <source>A &quot;Show answers&quot; &amp;button once the pupil has checked</source>
        <translation>Un &amp;bouton « Afficher les réponses » une fois que l&apos;élève a vérifié</translation>
    </message>
    <message>
        <source>A button that reads each sentence a&amp;loud in the browser&apos;s voice</source>
        <translation>Un bouton qui lit chaque phrase à &amp;voix haute avec la voix du navigateur</translation>
    </message>
    <message>
        <source>Li&amp;stening: each sentence appears only once the pupil has heard it</source>
        <translation>Éc&amp;oute : chaque phrase n&apos;apparaît qu&apos;une fois que l&apos;élève l&apos;a entendue</translation>
    </message>
    <message>
        <source>The sentence is read with its missing words, and the pupil types what they heard. Needs a browser with a voice for the exercise&apos;s language.</source>
        <translation>La phrase est lue avec ses mots manquants, et l&apos;élève tape ce qu&apos;il a entendu. Il faut un navigateur qui a une voix pour la langue de l&apos;exercice.</translation>
    </message>
</context>
<context>
    <name>DlgRandomSentences</name>
    <message>
        <source>Random selection of sentences</source>
        <translation>Sélection aléatoire de phrases</translation>
    </message>
    <message>
        <source>&amp;Number of sentences required:</source>
        <translation>&amp;Nombre de phrases souhaitées :</translation>
    </message>
    <message>
        <source>&amp;Include sentences with &quot;used&quot; value &gt; 0</source>
        <translation>&amp;Inclure les phrases dont la valeur « utilisée » est &gt; 0</translation>
    </message>
    <message>
        <source>Select only from words which have &quot;&amp;used&quot; sentences</source>
        <translation>Choisir uniquement parmi les mots ayant des phrases « &amp;utilisées »</translation>
    </message>
    <message>
        <source>Allow &amp;multiple sentences with the same word</source>
        <translation>Autoriser &amp;plusieurs phrases avec le même mot</translation>
    </message>
    <message>
        <source>&amp;Add to the output list</source>
        <translation>&amp;Ajouter à la liste de sortie</translation>
    </message>
</context>
<context>
    <name>ExerciseModel</name>
    <message>
        <source>(also: %1)</source>
        <translation>(aussi : %1)</translation>
    </message>
</context>
<context>
    <name>ExerciseRender</name>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Word bank:</source>
        <translation>Banque de mots :</translation>
    </message>
    <message>
        <source>Gap-fill exercise</source>
        <translation>Texte à trous</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Read each sentence and write the missing word in the gap.</source>
        <translation>Lis chaque phrase et écris le mot manquant dans le trou.</translation>
    </message>
    <message>
        <source>Choose your answers from the word bank: each word in it fills one gap.</source>
        <translation>Choisis tes réponses dans la banque de mots : chaque mot remplit un trou.</translation>
    </message>
    <message>
        <source>Word bank</source>
        <translation>Banque de mots</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>Choose your answers from the word bank: each word in it fills one gap, and some words are not needed.</source>
        <translation>Choisis tes réponses dans la banque de mots : chaque mot remplit un trou, et certains mots ne servent pas.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>ExerciseSheets</name>
    <message>
        <source>Version %1: %2</source>
        <translation>Version %1 : %2</translation>
    </message>
    <message>
        <source>The database has no other sentence for these headwords, so their sentences stand in these versions as in version A:</source>
        <translation>La base de données n&apos;a pas d&apos;autre phrase pour ces entrées ; leurs phrases restent donc dans ces versions comme dans la version A :</translation>
    </message>
</context>
<context>
    <name>FoundSentences</name>
    <message>
        <source>The headword is no longer in the database.</source>
        <translation>L’entrée n’est plus dans la base.</translation>
    </message>
    <message>
        <source>The brackets are not complete.</source>
        <translation>Les crochets sont incomplets.</translation>
    </message>
    <message>
        <source>The headword has this sentence already.</source>
        <translation>L’entrée a déjà cette phrase.</translation>
    </message>
    <message>
        <source>A sentence cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Une phrase ne peut pas contenir &quot;&amp;&amp;&amp;&quot;.</translation>
    </message>
</context>
<context>
    <name>H5PExport</name>
    <message>
        <source>The extra word &quot;%1&quot; is left out.</source>
        <translation>Le mot supplémentaire « %1 » est omis.</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>omise : %1</translation>
    </message>
    <message>
        <source>the sentence holds &quot;*&quot;</source>
        <translation>la phrase contient « * »</translation>
    </message>
    <message>
        <source>a key word is empty</source>
        <translation>un mot-clé est vide</translation>
    </message>
    <message>
        <source>the answer &quot;%1&quot; holds &quot;*&quot;, &quot;/&quot; or &quot;:&quot;</source>
        <translation>la réponse « %1 » contient « * », « / » ou « : »</translation>
    </message>
    <message>
        <source>the alternative &quot;%1&quot; is dropped</source>
        <translation>la variante « %1 » est retirée</translation>
    </message>
    <message>
        <source>the clue &quot;%1&quot; is dropped</source>
        <translation>l&apos;indice « %1 » est retiré</translation>
    </message>
    <message>
        <source>only the first answer of each gap is used</source>
        <translation>seule la première réponse de chaque trou est utilisée</translation>
    </message>
    <message>
        <source>Fill in the missing words.</source>
        <translation>Complète les mots manquants.</translation>
    </message>
    <message>
        <source>Drag the words into the correct boxes.</source>
        <translation>Fais glisser les mots dans les bonnes cases.</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Voir la solution</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Please fill in all blanks to view solution</source>
        <translation>Remplissez tous les champs pour voir la solution</translation>
    </message>
    <message>
        <source>&apos;:ans&apos; is correct</source>
        <translation>&apos;:ans&apos; est correct</translation>
    </message>
    <message>
        <source>&apos;:ans&apos; is wrong</source>
        <translation>&apos;:ans&apos; est incorrect</translation>
    </message>
    <message>
        <source>Answered correctly</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Answered incorrectly</source>
        <translation>Mauvaise réponse</translation>
    </message>
    <message>
        <source>Correct answer:</source>
        <translation>Bonne réponse :</translation>
    </message>
    <message>
        <source>Blank input @num of @total</source>
        <translation>Champ @num sur @total</translation>
    </message>
    <message>
        <source>Tip available</source>
        <translation>Indice disponible</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>You got :num out of :total points</source>
        <translation>Vous avez obtenu :num points sur :total</translation>
    </message>
    <message>
        <source>Drop Zone @index.</source>
        <translation>Zone de dépôt @index.</translation>
    </message>
    <message>
        <source>Drop Zone @index is empty.</source>
        <translation>La zone de dépôt @index est vide.</translation>
    </message>
    <message>
        <source>Drop Zone @index contains draggable @draggable.</source>
        <translation>La zone de dépôt @index contient l&apos;élément @draggable.</translation>
    </message>
    <message>
        <source>@index of @count draggables.</source>
        <translation>@index sur @count éléments.</translation>
    </message>
    <message>
        <source>Show tip</source>
        <translation>Voir l&apos;indice</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Correct !</translation>
    </message>
    <message>
        <source>Incorrect!</source>
        <translation>Incorrect !</translation>
    </message>
    <message>
        <source>Reset drop</source>
        <translation>Vider la zone</translation>
    </message>
    <message>
        <source>Are you sure you want to reset this drop zone?</source>
        <translation>Voulez-vous vraiment vider cette zone de dépôt ?</translation>
    </message>
    <message>
        <source>Draggable is grabbed.</source>
        <translation>Élément saisi.</translation>
    </message>
    <message>
        <source>Cancelled dragging.</source>
        <translation>Glissement annulé.</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>InteractivePage</name>
    <message>
        <source>Word list</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Show answers</source>
        <translation>Afficher les réponses</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Show the next letter of the gap you are in</source>
        <translation>Afficher la lettre suivante du trou où tu es</translation>
    </message>
    <message>
        <source>Score: %1 of %2 (%3%)</source>
        <translation>Score : %1 sur %2 (%3 %)</translation>
    </message>
    <message>
        <source>The answers are shown.</source>
        <translation>Les réponses sont affichées.</translation>
    </message>
    <message>
        <source>Gap %1 of question %2</source>
        <translation>Trou %1 de la question %2</translation>
    </message>
    <message>
        <source>Missing words of question %1</source>
        <translation>Mots manquants de la question %1</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>trou</translation>
    </message>
    <message>
        <source>(choose)</source>
        <translation>(choisir)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>Choose the missing words for each sentence, then press Check.</source>
        <translation>Choisis les mots manquants de chaque phrase, puis appuie sur « Vérifier ».</translation>
    </message>
    <message>
        <source>Fill in the gaps, then press Check.</source>
        <translation>Remplis les trous, puis appuie sur « Vérifier ».</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in lang=&quot;en&quot;</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>This exercise checks your answers with JavaScript. Please allow JavaScript for this page, or ask your teacher for a printed copy.</source>
        <translation>Cet exercice vérifie tes réponses avec JavaScript. Autorise JavaScript pour cette page, ou demande une version imprimée à ton enseignant.</translation>
    </message>
    <message>
        <source>Read sentence %1 aloud</source>
        <translation>Lire la phrase %1 à voix haute</translation>
    </message>
    <message>
        <source>Listen to sentence %1</source>
        <translation>Écouter la phrase %1</translation>
    </message>
    <message>
        <source>Press the loudspeaker button of a sentence to hear it. Then the sentence appears, and you type the missing words.</source>
        <translation>Appuie sur le haut-parleur d&apos;une phrase pour l&apos;entendre. La phrase apparaît alors, et tu tapes les mots manquants.</translation>
    </message>
    <message>
        <source>Reading aloud is not available: this browser cannot speak.</source>
        <translation>La lecture à voix haute n&apos;est pas disponible : ce navigateur ne sait pas parler.</translation>
    </message>
    <message>
        <source>Reading aloud is not available: this browser has no %1 voice.</source>
        <extracomment>%1 is the name of a language, as the browser writes it in the page&apos;s language</extracomment>
        <translation>La lecture à voix haute n&apos;est pas disponible : ce navigateur n&apos;a pas de voix en %1.</translation>
    </message>
    <message>
        <source>The sentences are shown instead.</source>
        <translation>Les phrases sont affichées à la place.</translation>
    </message>
</context>
<context>
    <name>LxdDocument</name>
    <message>
        <source>Move Headword</source>
        <translation>Déplacer l’entrée</translation>
    </message>
    <message>
        <source>Sort Headwords</source>
        <translation>Trier les entrées</translation>
    </message>
    <message>
        <source>There is not enough memory to write the file.</source>
        <translation>La mémoire disponible ne suffit pas pour écrire le fichier.</translation>
    </message>
</context>
<context>
    <name>LxdEditCommand</name>
    <message>
        <source>Add Headword</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>Rename Headword</source>
        <translation>Renommer l’entrée</translation>
    </message>
    <message>
        <source>Delete Headword</source>
        <translation>Supprimer l’entrée</translation>
    </message>
    <message>
        <source>Delete Headwords</source>
        <translation>Supprimer les entrées</translation>
    </message>
    <message>
        <source>Add Sentence</source>
        <translation>Ajouter une phrase</translation>
    </message>
    <message>
        <source>Edit Sentence</source>
        <translation>Modifier la phrase</translation>
    </message>
    <message>
        <source>Delete Sentence</source>
        <translation>Supprimer la phrase</translation>
    </message>
    <message>
        <source>Delete Sentences</source>
        <translation>Supprimer les phrases</translation>
    </message>
    <message>
        <source>Move Sentences</source>
        <translation>Déplacer les phrases</translation>
    </message>
    <message>
        <source>Zero Used Counts</source>
        <translation>Remettre les compteurs d’utilisation à zéro</translation>
    </message>
    <message>
        <source>Append File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Merge File</source>
        <translation>Fusionner le fichier</translation>
    </message>
    <message>
        <source>Set Language</source>
        <translation>Définir la langue</translation>
    </message>
</context>
<context>
    <name>LxdImport</name>
    <message>
        <source>This is not a word list that can be imported.</source>
        <translation>Ce n’est pas une liste de mots importable.</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Ce n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>The quoted field that begins in line %1 is never closed.</source>
        <translation>Le champ entre guillemets qui commence à la ligne %1 n’est jamais fermé.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>L’importation a été annulée.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1: no headword</source>
        <translation>%1 : pas d’entrée</translation>
    </message>
    <message>
        <source>%1: the headword contains &quot;&amp;&amp;&amp;&quot;, which a database file cannot hold</source>
        <translation>%1 : l’entrée contient « &amp;&amp;&amp; », qu’un fichier de base ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1: the sentence contains &quot;&amp;&amp;&amp;&quot;, which a database file cannot hold</source>
        <translation>%1 : la phrase contient « &amp;&amp;&amp; », qu’un fichier de base ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1: the same sentence came earlier for &quot;%2&quot;</source>
        <translation>%1 : la même phrase est déjà venue pour « %2 »</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>Le fichier n’est pas du XML bien formé (ligne %1 : %2).</translation>
    </message>
    <message>
        <source>This is not a KVTML file.</source>
        <translation>Ce n’est pas un fichier KVTML.</translation>
    </message>
    <message>
        <source>This KVTML file has the older form of version 1, which cannot be read. Open it in KWordQuiz or Parley and save it again to bring it to version 2.</source>
        <translation>Ce fichier KVTML a l’ancienne forme de la version 1, qui ne peut pas être lue. Ouvrez-le dans KWordQuiz ou Parley et enregistrez-le de nouveau pour le passer en version 2.</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Entrée %1</translation>
    </message>
    <message>
        <source>%1: no translation</source>
        <translation>%1 : pas de traduction</translation>
    </message>
    <message>
        <source>This is not a Hot Potatoes JCloze file.</source>
        <translation>Ce n’est pas un fichier JCloze de Hot Potatoes.</translation>
    </message>
    <message>
        <source>The exercise holds no gap-fill text.</source>
        <translation>L’exercice ne contient pas de texte à trous.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>%1: a gap has no answer</source>
        <translation>%1 : un trou n’a pas de réponse</translation>
    </message>
    <message>
        <source>This is not a Hot Potatoes JMatch file.</source>
        <translation>Ce n’est pas un fichier JMatch de Hot Potatoes.</translation>
    </message>
    <message>
        <source>The exercise holds no matching pairs.</source>
        <translation>L’exercice ne contient pas de paires à associer.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paire %1</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1 : vide</translation>
    </message>
    <message>
        <source>%1: an extra answer without a left item</source>
        <translation>%1 : une réponse en plus sans élément à gauche</translation>
    </message>
    <message>
        <source>%1: no right item</source>
        <translation>%1 : pas d’élément à droite</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>Read as settings, not as rows: %1</source>
        <translation>Lu comme réglages, pas comme lignes : %1</translation>
    </message>
    <message>
        <source>Fields that held HTML and came in as plain text: %1</source>
        <translation>Champs en HTML importés en texte brut : %1</translation>
    </message>
    <message>
        <source>Read as %1: the file is not UTF-8</source>
        <translation>Lu en %1 : le fichier n’est pas en UTF-8</translation>
    </message>
    <message>
        <source>The answer &quot;%1&quot; was left out: &quot;|&quot; and &quot;::&quot; divide the answers of a gap</source>
        <translation>La réponse « %1 » a été omise : « | » et « :: » séparent les réponses d’un trou</translation>
    </message>
    <message>
        <source>%1: a sentence with key words but no other translation to file it under</source>
        <translation>%1 : une phrase avec des mots clés mais sans autre traduction sous laquelle la classer</translation>
    </message>
    <message>
        <source>Sentences whose bold, underlined or italic words became the key words: %1</source>
        <translation>Phrases dont les mots en gras, soulignés ou en italique sont devenus les mots clés : %1</translation>
    </message>
    <message>
        <source>Sentence %1 (%2)</source>
        <translation>Phrase %1 (%2)</translation>
    </message>
    <message>
        <source>Pair %1 (%2)</source>
        <translation>Paire %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the clue of a gap was left out, as it gave the answer away</source>
        <translation>%1 : l’indice d’un trou a été omis, car il donnait la réponse</translation>
    </message>
    <message>
        <source>%1: the clues of %2 gaps were left out, as they gave the answers away</source>
        <translation>%1 : les indices de %2 trous ont été omis, car ils donnaient les réponses</translation>
    </message>
</context>
<context>
    <name>LxdRecovery</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The lock %1 cannot be taken.</source>
        <translation>Le verrou %1 ne peut pas être pris.</translation>
    </message>
</context>
<context>
    <name>LxdSession</name>
    <message>
        <source>Delete Output Sentences</source>
        <translation>Supprimer les phrases de sortie</translation>
    </message>
    <message>
        <source>Clear Output</source>
        <translation>Vider la sortie</translation>
    </message>
    <message>
        <source>Move Output Up</source>
        <translation>Monter dans la sortie</translation>
    </message>
    <message>
        <source>Move Output Down</source>
        <translation>Descendre dans la sortie</translation>
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
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Phrase</translation>
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
        <translation>Mots</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move the selected sentence(s) up in the list.</source>
        <translation>Monter la ou les phrases sélectionnées dans la liste.</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Move the selected sentence(s) down in the list.</source>
        <translation>Descendre la ou les phrases sélectionnées dans la liste.</translation>
    </message>
    <message>
        <source>&amp;Db</source>
        <translation>&amp;Base</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Nouveau mot</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>New sentence</source>
        <translation>Nouvelle phrase</translation>
    </message>
    <message>
        <source>Delete sentence</source>
        <translation>Supprimer la phrase</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Include &amp;Q #s</source>
        <translation>&amp;Numéros des questions</translation>
    </message>
    <message>
        <source>&amp;Gap words</source>
        <translation>Mots en &amp;trous</translation>
    </message>
    <message>
        <source>Brac&amp;ket words</source>
        <translation>Mots entre &amp;crochets</translation>
    </message>
    <message>
        <source>&amp;Jumble order</source>
        <translation>&amp;Mélanger l&apos;ordre</translation>
    </message>
    <message>
        <source>Include wo&amp;rd list</source>
        <translation>Inclure la &amp;liste de mots</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Sortie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
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
        <translation>Sauvegarder la base de données</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new vocabulary database file</source>
        <translation>Créer un nouveau fichier de base de vocabulaire</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open an existing vocabulary database file</source>
        <translation>Ouvrir un fichier de base de vocabulaire existant</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Open an existing vocabulary database file and append it to the current database.</source>
        <translation>Ouvrir un fichier de base de vocabulaire existant et l&apos;ajouter à la base actuelle.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the current vocabulary database file</source>
        <translation>Enregistrer le fichier de base de vocabulaire actuel</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save the current vocabulary database file with a new name</source>
        <translation>Enregistrer le fichier de base de vocabulaire actuel sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Export to XML</source>
        <translation>E&amp;xporter en XML</translation>
    </message>
    <message>
        <source>Save the current vocabulary database to a file in XML format</source>
        <translation>Enregistrer la base de vocabulaire actuelle dans un fichier au format XML</translation>
    </message>
    <message>
        <source>&amp;Import from XML</source>
        <translation>&amp;Importer depuis XML</translation>
    </message>
    <message>
        <source>Import a vocabulary database from XML format</source>
        <translation>Importer une base de vocabulaire au format XML</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Nouveau mot</translation>
    </message>
    <message>
        <source>Add a new headword to the database.</source>
        <translation>Ajouter une nouvelle entrée à la base de données.</translation>
    </message>
    <message>
        <source>&amp;Delete word</source>
        <translation>&amp;Supprimer le mot</translation>
    </message>
    <message>
        <source>&amp;New Sentence</source>
        <translation>&amp;Nouvelle phrase</translation>
    </message>
    <message>
        <source>Add a new sentence to the database.</source>
        <translation>Ajouter une nouvelle phrase à la base de données.</translation>
    </message>
    <message>
        <source>&amp;Delete Sentence</source>
        <translation>&amp;Supprimer la phrase</translation>
    </message>
    <message>
        <source>&amp;Edit Sentence</source>
        <translation>&amp;Modifier la phrase</translation>
    </message>
    <message>
        <source>Edit the selected sentence.</source>
        <translation>Modifier la phrase sélectionnée.</translation>
    </message>
    <message>
        <source>&amp;Use Sentence</source>
        <translation>&amp;Utiliser la phrase</translation>
    </message>
    <message>
        <source>Use the selected sentence(s) in the output.</source>
        <translation>Utiliser la ou les phrases sélectionnées dans la sortie.</translation>
    </message>
    <message>
        <source>&amp;Zero all used values</source>
        <translation>&amp;Remettre tous les compteurs à zéro</translation>
    </message>
    <message>
        <source>Set the value of the &apos;Used&apos; counter to zero for all sentences in the database.</source>
        <translation>Remettre à zéro le compteur « Utilisations » de toutes les phrases de la base de données.</translation>
    </message>
    <message>
        <source>&amp;Include Q #s</source>
        <translation>&amp;Numéros des questions</translation>
    </message>
    <message>
        <source>Include question numbers for all the sentences in the output.</source>
        <translation>Numéroter toutes les phrases de la sortie.</translation>
    </message>
    <message>
        <source>Gap all the key words in the output sentences.</source>
        <translation>Remplacer tous les mots clés des phrases de la sortie par des trous.</translation>
    </message>
    <message>
        <source>&amp;Bracket words</source>
        <translation>Mots entre &amp;crochets</translation>
    </message>
    <message>
        <source>Include brackets around key words in the output.</source>
        <translation>Placer les mots clés de la sortie entre crochets.</translation>
    </message>
    <message>
        <source>Jumble the order of the sentences in the output.</source>
        <translation>Mélanger l&apos;ordre des phrases de la sortie.</translation>
    </message>
    <message>
        <source>Include word &amp;list</source>
        <translation>Inclure la &amp;liste de mots</translation>
    </message>
    <message>
        <source>Include a list of all the gapped words in the output.</source>
        <translation>Inclure dans la sortie la liste de tous les mots remplacés par des trous.</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Presse-papiers</translation>
    </message>
    <message>
        <source>Place the current output sentences on the clipboard.</source>
        <translation>Copier les phrases de la sortie actuelle dans le presse-papiers.</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>Export the current output sentences to create an XHTML web page.</source>
        <translation>Exporter les phrases de la sortie actuelle pour créer une page web XHTML.</translation>
    </message>
    <message>
        <source>&amp;RTF</source>
        <translation>&amp;RTF</translation>
    </message>
    <message>
        <source>Export the current output sentences to create an RTF word-processor document.</source>
        <translation>Exporter les phrases de la sortie actuelle pour créer un document RTF pour traitement de texte.</translation>
    </message>
    <message>
        <source>J&amp;Match</source>
        <translation>J&amp;Match</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a Hot Potatoes JMatch matching exercise.</source>
        <translation>Exporter les phrases de la sortie actuelle pour créer un exercice d&apos;appariement Hot Potatoes JMatch.</translation>
    </message>
    <message>
        <source>JClo&amp;ze</source>
        <translation>JClo&amp;ze</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a Hot Potatoes JCloze gap-fill exercise.</source>
        <translation>Exporter les phrases de la sortie actuelle pour créer un texte à trous Hot Potatoes JCloze.</translation>
    </message>
    <message>
        <source>&amp;Random output</source>
        <translation>Sortie &amp;aléatoire</translation>
    </message>
    <message>
        <source>Generate a random selection of sentences in the output box.</source>
        <translation>Placer une sélection aléatoire de phrases dans la zone de sortie.</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Search for text in the database</source>
        <translation>Rechercher du texte dans la base de données</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Search for the next instance of text in the database</source>
        <translation>Rechercher l&apos;occurrence suivante du texte dans la base de données</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Open the Help file.</source>
        <translation>Ouvrir l&apos;aide.</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Premiers pas</translation>
    </message>
    <message>
        <source>Show the &apos;Getting started&apos; topic in the Help file.</source>
        <translation>Afficher la rubrique « Premiers pas » de l&apos;aide.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À p&amp;ropos de</translation>
    </message>
    <message>
        <source>Show information about the application.</source>
        <translation>Afficher des informations sur le programme.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>&amp;Sentences</source>
        <translation>&amp;Phrases</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1: %2[*] - %3</source>
        <translation>%1 : %2[*] - %3</translation>
    </message>
    <message>
        <source>database</source>
        <translation>base de données</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Add new headword</source>
        <translation>Ajouter une nouvelle entrée</translation>
    </message>
    <message>
        <source>New headword:</source>
        <translation>Nouvelle entrée :</translation>
    </message>
    <message>
        <source>Headword already exists</source>
        <translation>L&apos;entrée existe déjà</translation>
    </message>
    <message>
        <source>This word already exists in the database.</source>
        <translation>Ce mot existe déjà dans la base de données.</translation>
    </message>
    <message>
        <source>Are you sure you want to add a duplicate of it?</source>
        <translation>Voulez-vous vraiment l&apos;ajouter une seconde fois ?</translation>
    </message>
    <message>
        <source>Edit headword</source>
        <translation>Modifier l&apos;entrée</translation>
    </message>
    <message>
        <source>Altered headword:</source>
        <translation>Entrée modifiée :</translation>
    </message>
    <message>
        <source>Deleting headwords</source>
        <translation>Suppression d&apos;entrées</translation>
    </message>
    <message>
        <source>You are about to delete the following words, along with all their associated sentences:</source>
        <translation>Vous allez supprimer les mots suivants, ainsi que toutes leurs phrases :</translation>
    </message>
    <message>
        <source>Enter your sentence here. Words in square [brackets] will be gapped.</source>
        <translation>Saisissez votre phrase ici. Les mots entre [crochets] deviendront des trous.</translation>
    </message>
    <message>
        <source>You are about to delete this sentence from the database.</source>
        <translation>Vous allez supprimer cette phrase de la base de données.</translation>
    </message>
    <message>
        <source>You are about to delete %1 sentences from the database.</source>
        <translation>Vous allez supprimer %1 phrases de la base de données.</translation>
    </message>
    <message>
        <source>Deleting sentences</source>
        <translation>Suppression de phrases</translation>
    </message>
    <message>
        <source>Reset &apos;Used&apos; counters</source>
        <translation>Remise à zéro des compteurs « Utilisations »</translation>
    </message>
    <message>
        <source>You are about to set the &apos;Used&apos; counters for
 all sentences in the database to zero.</source>
        <translation>Vous allez remettre à zéro les compteurs « Utilisations » de
 toutes les phrases de la base de données.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search for:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Unable to find &quot;%1&quot; in the database.</source>
        <translation>Impossible de trouver « %1 » dans la base de données.</translation>
    </message>
    <message>
        <source>Template file missing</source>
        <translation>Fichier modèle manquant</translation>
    </message>
    <message>
        <source>Unable to load the template file from 
</source>
        <translation>Impossible de charger le fichier modèle depuis 
</translation>
    </message>
    <message>
        <source>Problem loading template file</source>
        <translation>Problème de chargement du fichier modèle</translation>
    </message>
    <message>
        <source>Problem with template file</source>
        <translation>Problème avec le fichier modèle</translation>
    </message>
    <message>
        <source>This template file appears to be corrupted: 
</source>
        <translation>Ce fichier modèle semble endommagé : 
</translation>
    </message>
    <message>
        <source>Do you want to open the saved file?</source>
        <translation>Voulez-vous ouvrir le fichier enregistré ?</translation>
    </message>
    <message>
        <source>Save RTF file</source>
        <translation>Enregistrer le fichier RTF</translation>
    </message>
    <message>
        <source>RTF files (*.rtf)</source>
        <translation>Fichiers RTF (*.rtf)</translation>
    </message>
    <message>
        <source>Problem saving RTF file</source>
        <translation>Problème d&apos;enregistrement du fichier RTF</translation>
    </message>
    <message>
        <source>Unable to save the RTF file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier RTF sous 
</translation>
    </message>
    <message>
        <source>Open RTF file</source>
        <translation>Ouvrir le fichier RTF</translation>
    </message>
    <message>
        <source>Save XHTML file</source>
        <translation>Enregistrer le fichier XHTML</translation>
    </message>
    <message>
        <source>Web page files (*.htm *.html *.xhtml)</source>
        <translation>Pages web (*.htm *.html *.xhtml)</translation>
    </message>
    <message>
        <source>Problem saving XHTML file</source>
        <translation>Problème d&apos;enregistrement du fichier XHTML</translation>
    </message>
    <message>
        <source>Unable to save the XHTML file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier XHTML sous 
</translation>
    </message>
    <message>
        <source>Open XHTML file</source>
        <translation>Ouvrir le fichier XHTML</translation>
    </message>
    <message>
        <source>Save JMatch file</source>
        <translation>Enregistrer le fichier JMatch</translation>
    </message>
    <message>
        <source>JMatch files (*.jmt)</source>
        <translation>Fichiers JMatch (*.jmt)</translation>
    </message>
    <message>
        <source>Problem saving JMatch file</source>
        <translation>Problème d&apos;enregistrement du fichier JMatch</translation>
    </message>
    <message>
        <source>Unable to save the JMatch file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier JMatch sous 
</translation>
    </message>
    <message>
        <source>Open JMatch file</source>
        <translation>Ouvrir le fichier JMatch</translation>
    </message>
    <message>
        <source>Save JCloze file</source>
        <translation>Enregistrer le fichier JCloze</translation>
    </message>
    <message>
        <source>JCloze files (*.jcl)</source>
        <translation>Fichiers JCloze (*.jcl)</translation>
    </message>
    <message>
        <source>Problem saving JCloze file</source>
        <translation>Problème d&apos;enregistrement du fichier JCloze</translation>
    </message>
    <message>
        <source>Unable to save the JCloze file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier JCloze sous 
</translation>
    </message>
    <message>
        <source>Open JCloze file</source>
        <translation>Ouvrir le fichier JCloze</translation>
    </message>
    <message>
        <source>Duplicate entries in database</source>
        <translation>Entrées en double dans la base de données</translation>
    </message>
    <message>
        <source>The database you are appending contains some of the same headwords as the current database.</source>
        <translation>La base de données que vous ajoutez contient certaines entrées déjà présentes dans la base actuelle.</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>You can either merge duplicate headwords into a single entry, or keep the duplicates.</source>
        <translation>Vous pouvez soit fusionner les entrées en double en une seule, soit conserver les doublons.</translation>
    </message>
    <message>
        <source>Would you like to merge duplicates or keep them?</source>
        <translation>Voulez-vous fusionner les doublons ou les conserver ?</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conserver</translation>
    </message>
    <message>
        <source>Resource file</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>La base de données a été modifiée.
Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>Open vocabulary database file</source>
        <translation>Ouvrir un fichier de base de vocabulaire</translation>
    </message>
    <message>
        <source>Vocabulary database files (*.lxv *.voc)</source>
        <translation>Bases de vocabulaire (*.lxv *.voc)</translation>
    </message>
    <message>
        <source>Append vocabulary database file</source>
        <translation>Ajouter un fichier de base de vocabulaire</translation>
    </message>
    <message>
        <source>File open error</source>
        <translation>Erreur d&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>This file is not a vocabulary database:
%1</source>
        <translation>Ce fichier n&apos;est pas une base de vocabulaire :
%1</translation>
    </message>
    <message>
        <source>Appending file failed.</source>
        <translation>L&apos;ajout du fichier a échoué.</translation>
    </message>
    <message>
        <source>Loading cancelled.</source>
        <translation>Chargement annulé.</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Fichier chargé</translation>
    </message>
    <message>
        <source>Appending file completed.</source>
        <translation>Ajout du fichier terminé.</translation>
    </message>
    <message>
        <source>Appending file cancelled.</source>
        <translation>Ajout du fichier annulé.</translation>
    </message>
    <message>
        <source>Save database file</source>
        <translation>Enregistrer la base de données</translation>
    </message>
    <message>
        <source>Vocabulary database files (*.lxv)</source>
        <translation>Bases de vocabulaire (*.lxv)</translation>
    </message>
    <message>
        <source>Save cancelled</source>
        <translation>Enregistrement annulé</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>Fichier enregistré</translation>
    </message>
    <message>
        <source>Backup created</source>
        <translation>Sauvegarde créée</translation>
    </message>
    <message>
        <source>Your database has been backed up to:
%1</source>
        <translation>Votre base de données a été sauvegardée dans :
%1</translation>
    </message>
    <message>
        <source>Backup failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Your database could not be backed up to:
%1</source>
        <translation>Votre base de données n&apos;a pas pu être sauvegardée dans :
%1</translation>
    </message>
    <message>
        <source>Export XML file</source>
        <translation>Exporter un fichier XML</translation>
    </message>
    <message>
        <source>XML files (*.xml)</source>
        <translation>Fichiers XML (*.xml)</translation>
    </message>
    <message>
        <source>XML file saved</source>
        <translation>Fichier XML enregistré</translation>
    </message>
    <message>
        <source>Export complete.</source>
        <translation>Exportation terminée.</translation>
    </message>
    <message>
        <source>Characters left out</source>
        <translation>Caractères omis</translation>
    </message>
    <message>
        <source>One text held characters that an XML file cannot hold (control characters and the like); they were left out. It now reads:</source>
        <translation>Un texte contenait des caractères qu&apos;un fichier XML ne peut pas contenir (caractères de contrôle et autres) ; ils ont été omis. Il se lit désormais :</translation>
    </message>
    <message>
        <source>%1 texts held characters that an XML file cannot hold (control characters and the like); they were left out. The first now reads:</source>
        <translation>%1 textes contenaient des caractères qu&apos;un fichier XML ne peut pas contenir (caractères de contrôle et autres) ; ils ont été omis. Le premier se lit désormais :</translation>
    </message>
    <message>
        <source>File save error</source>
        <translation>Erreur d&apos;enregistrement du fichier</translation>
    </message>
    <message>
        <source>Unable to save XML file: %1</source>
        <translation>Impossible d&apos;enregistrer le fichier XML : %1</translation>
    </message>
    <message>
        <source>Import vocabulary database from XML file</source>
        <translation>Importer une base de vocabulaire depuis un fichier XML</translation>
    </message>
    <message>
        <source>Unable to open XML file: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier XML : %1</translation>
    </message>
    <message>
        <source>Output box will be cleared</source>
        <translation>La zone de sortie va être vidée</translation>
    </message>
    <message>
        <source>This will remove the sentences currently in the output box.</source>
        <translation>Les phrases actuellement dans la zone de sortie seront retirées.</translation>
    </message>
    <message>
        <source>Not enough sentences</source>
        <translation>Pas assez de phrases</translation>
    </message>
    <message>
        <source>There aren&apos;t enough sentences in the
database matching your criteria to
complete your exercise.</source>
        <translation>La base de données ne contient pas assez
de phrases correspondant à vos critères
pour compléter votre exercice.</translation>
    </message>
    <message>
        <source>Text copied to clipboard</source>
        <translation>Texte copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Your exercise has been copied to the clipboard.
You can paste it into any text application.</source>
        <translation>Votre exercice a été copié dans le presse-papiers.
Vous pouvez le coller dans n&apos;importe quel logiciel de texte.</translation>
    </message>
    <message>
        <source>Failed to copy database file</source>
        <translation>Échec de la copie du fichier de base de données</translation>
    </message>
    <message>
        <source>Unable to copy the database file %1 to %2.</source>
        <translation>Impossible de copier le fichier de base de données %1 vers %2.</translation>
    </message>
    <message>
        <source>1 entry without a key word was left out of the pairs.</source>
        <translation>1 entrée sans mot clé a été laissée de côté dans les paires.</translation>
    </message>
    <message>
        <source>%1 entries without a key word were left out of the pairs.</source>
        <translation>%1 entrées sans mot clé ont été laissées de côté dans les paires.</translation>
    </message>
    <message>
        <source>Nothing to match</source>
        <translation>Rien à apparier</translation>
    </message>
    <message>
        <source>None of the output entries has a key word, so a JMatch exercise would have no pairs. No file was written.</source>
        <translation>Aucune entrée de la sortie n&apos;a de mot clé : un exercice JMatch n&apos;aurait donc aucune paire. Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>&amp;Interactive web page</source>
        <translation>Page web &amp;interactive</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Interactive</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a self-checking web exercise that works offline in any browser.</source>
        <translation>Exporter les phrases de la sortie actuelle pour créer un exercice web autocorrectif qui fonctionne hors ligne dans tout navigateur.</translation>
    </message>
    <message>
        <source>Save interactive web page</source>
        <translation>Enregistrer la page web interactive</translation>
    </message>
    <message>
        <source>Web page files (*.html *.htm)</source>
        <translation>Pages web (*.html *.htm)</translation>
    </message>
    <message>
        <source>Problem saving interactive web page</source>
        <translation>Problème d&apos;enregistrement de la page web interactive</translation>
    </message>
    <message>
        <source>Unable to save the interactive web page to 
</source>
        <translation>Impossible d&apos;enregistrer la page web interactive sous 
</translation>
    </message>
    <message>
        <source>Open interactive web page</source>
        <translation>Ouvrir la page web interactive</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change to the database.</source>
        <translation>Annuler la dernière modification de la base de données.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make the change again that was undone last.</source>
        <translation>Rétablir la dernière modification annulée.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Use Sentences</source>
        <translation>Utiliser les phrases</translation>
    </message>
    <message>
        <source>Random Output</source>
        <translation>Sortie aléatoire</translation>
    </message>
    <message>
        <source>Im&amp;port...</source>
        <translation>Im&amp;porter...</translation>
    </message>
    <message>
        <source>Add the words of a spreadsheet (CSV, TSV), KVTML or Hot Potatoes file to the current database.</source>
        <translation>Ajouter à la base actuelle les mots d’un tableau (CSV, TSV), d’un fichier KVTML ou Hot Potatoes.</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Importer une liste de mots</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Spreadsheet text (*.csv *.tsv *.txt);;KVTML vocabulary files (*.kvtml);;Hot Potatoes JCloze files (*.jcl);;Hot Potatoes JMatch files (*.jmt);;All files (*)</source>
        <translation>Listes de mots (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Tableau texte (*.csv *.tsv *.txt);;Fichiers de vocabulaire KVTML (*.kvtml);;Fichiers JCloze de Hot Potatoes (*.jcl);;Fichiers JMatch de Hot Potatoes (*.jmt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importation annulée.</translation>
    </message>
    <message>
        <source>It holds no headwords.</source>
        <translation>Il ne contient aucune entrée.</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.
%2</source>
        <translation>Rien n’a été importé de %1.
%2</translation>
    </message>
    <message>
        <source>Import completed.</source>
        <translation>Importation terminée.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importé de %1 :</translation>
    </message>
    <message>
        <source>Headwords: %1 (%2 new, %3 merged into headwords already there)</source>
        <translation>Entrées : %1 (%2 nouvelles, %3 fusionnées avec des entrées déjà présentes)</translation>
    </message>
    <message>
        <source>Sentences: %1 (%2 new, %3 already there)</source>
        <translation>Phrases : %1 (%2 nouvelles, %3 déjà présentes)</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Nothing was skipped.</source>
        <translation>Rien n’a été ignoré.</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... et %1 autres (voir les détails)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorés : %1</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>Co&amp;rrigé</translation>
    </message>
    <message>
        <source>Shuffle word &amp;list</source>
        <translation>Mélanger la li&amp;ste de mots</translation>
    </message>
    <message>
        <source>Add an answer key to the output: the answers of each question, in order.</source>
        <translation>Ajouter un corrigé à la sortie : les réponses de chaque question, dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>Shu&amp;ffle word list</source>
        <translation>Mélanger la li&amp;ste de mots</translation>
    </message>
    <message>
        <source>&amp;PDF document</source>
        <translation>Document P&amp;DF</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Export the current output sentences to create a PDF document, ready to print.</source>
        <translation>Exporter les phrases de la sortie actuelle pour créer un document PDF prêt à imprimer.</translation>
    </message>
    <message>
        <source>Save PDF document</source>
        <translation>Enregistrer le document PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Problem saving PDF document</source>
        <translation>Problème d&apos;enregistrement du document PDF</translation>
    </message>
    <message>
        <source>Unable to save the PDF document to 
</source>
        <translation>Impossible d&apos;enregistrer le document PDF sous 
</translation>
    </message>
    <message>
        <source>Open PDF document</source>
        <translation>Ouvrir le document PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print the current output sentences as an exercise sheet, with a preview first.</source>
        <translation>Imprimer les phrases de la sortie actuelle sous forme de fiche d&apos;exercice, avec un aperçu d&apos;abord.</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>A headword cannot hold &quot;&amp;&amp;&amp;&quot;.</source>
        <translation>Une entrée ne peut pas contenir &quot;&amp;&amp;&amp;&quot;.</translation>
    </message>
    <message>
        <source>Large file</source>
        <translation>Fichier volumineux</translation>
    </message>
    <message>
        <source>The file %1 is %2 large. Reading it takes a long time and about ten times as much memory.</source>
        <translation>Le fichier %1 fait %2. Sa lecture prend beaucoup de temps et environ dix fois plus de mémoire.</translation>
    </message>
    <message>
        <source>Texts changed</source>
        <translation>Textes modifiés</translation>
    </message>
    <message>
        <source>%1 of the imported texts held &quot;&amp;&amp;&amp;&quot;, which a database file cannot store; they were imported with it written as &quot;&amp; &amp; &amp;&quot;.</source>
        <translation>%1 des textes importés contenaient &quot;&amp;&amp;&amp;&quot;, qu&apos;un fichier de base ne peut pas enregistrer ; ils ont été importés avec &quot;&amp; &amp; &amp;&quot; à la place.</translation>
    </message>
    <message>
        <source>Moodle quiz (&amp;XML)</source>
        <translation>Test Moodle (&amp;XML)</translation>
    </message>
    <message>
        <source>Moodle</source>
        <translation>Moodle</translation>
    </message>
    <message>
        <source>Export the current output sentences as questions for a Moodle quiz, in Moodle XML format.</source>
        <translation>Exporter les phrases actuelles de la sortie comme questions d&apos;un test Moodle, au format Moodle XML.</translation>
    </message>
    <message>
        <source>Save Moodle XML file</source>
        <translation>Enregistrer le fichier Moodle XML</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Fichiers Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>Problem saving Moodle XML file</source>
        <translation>Problème d&apos;enregistrement du fichier Moodle XML</translation>
    </message>
    <message>
        <source>Unable to save the Moodle XML file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier Moodle XML sous 
</translation>
    </message>
    <message>
        <source>Moodle ma&amp;tching question (XML)</source>
        <translation>Ques&amp;tion d&apos;appariement Moodle (XML)</translation>
    </message>
    <message>
        <source>Export the current output sentences as one Moodle matching question, in Moodle XML format.</source>
        <translation>Exporter les phrases actuelles de la sortie comme une question d&apos;appariement Moodle, au format Moodle XML.</translation>
    </message>
    <message>
        <source>Save Moodle matching question</source>
        <translation>Enregistrer la question d&apos;appariement Moodle</translation>
    </message>
    <message>
        <source>Moodle matching question</source>
        <translation>Question d&apos;appariement Moodle</translation>
    </message>
    <message>
        <source>A matching question needs at least two sentences with key words in the output list.</source>
        <translation>Une question d&apos;appariement demande au moins deux phrases avec des mots clés dans la liste de sortie.</translation>
    </message>
    <message>
        <source>Moodle quiz (&amp;GIFT)</source>
        <translation>Test Moodle (&amp;GIFT)</translation>
    </message>
    <message>
        <source>Export the current output sentences as questions for a Moodle quiz, in GIFT format.</source>
        <translation>Exporter les phrases actuelles de la sortie comme questions d&apos;un test Moodle, au format GIFT.</translation>
    </message>
    <message>
        <source>Save GIFT file</source>
        <translation>Enregistrer le fichier GIFT</translation>
    </message>
    <message>
        <source>GIFT files (*.txt *.gift)</source>
        <translation>Fichiers GIFT (*.txt *.gift)</translation>
    </message>
    <message>
        <source>Problem saving GIFT file</source>
        <translation>Problème d&apos;enregistrement du fichier GIFT</translation>
    </message>
    <message>
        <source>Unable to save the GIFT file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier GIFT sous 
</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>%1 names the step</comment>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>%1 names the step</comment>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unable to save database file: %1</source>
        <translation>Impossible d’enregistrer le fichier de base de données : %1</translation>
    </message>
    <message>
        <source>Exercise &amp;title:</source>
        <translation>&amp;Titre de l&apos;exercice :</translation>
    </message>
    <message>
        <source>the database&apos;s name</source>
        <translation>le nom de la base de données</translation>
    </message>
    <message>
        <source>Shuffle the questions and the word list anew for the next export.</source>
        <translation>Mélanger à nouveau les questions et la liste de mots pour la prochaine exportation.</translation>
    </message>
    <message>
        <source>The next export is shuffled anew.</source>
        <translation>La prochaine exportation sera mélangée à nouveau.</translation>
    </message>
    <message>
        <source>Shuffle the word list: one word for each gap, in a random order.</source>
        <translation>Mélanger la liste de mots : un mot par trou, dans un ordre aléatoire.</translation>
    </message>
    <message>
        <source>Clues and alternatives left out</source>
        <translation>Indices et autres réponses omis</translation>
    </message>
    <message>
        <source>This format shows only the first answer of each gap and no clue. In these sentences the other answers and the clues are left out:</source>
        <translation>Ce format n&apos;affiche que la première réponse de chaque trou et aucun indice. Dans ces phrases, les autres réponses et les indices sont omis :</translation>
    </message>
    <message>
        <source>&amp;New shuffle</source>
        <translation>&amp;Remélanger</translation>
    </message>
    <message>
        <source>E&amp;xtra words:</source>
        <translation>Mots s&amp;upplémentaires :</translation>
    </message>
    <message>
        <source>Add N words from the database: key words of other sentences, of a length close to the answers&apos;, to the word bank and the drop-down lists.</source>
        <translation>Ajouter N mots de la base de données : des mots clés d&apos;autres phrases, d&apos;une longueur proche de celle des réponses, à la banque de mots et aux listes déroulantes.</translation>
    </message>
    <message>
        <source>Extra words left out</source>
        <translation>Mots supplémentaires omis</translation>
    </message>
    <message>
        <source>The word list is switched off, so these extra words are left out:</source>
        <translation>La liste de mots est désactivée : ces mots supplémentaires sont donc omis :</translation>
    </message>
    <message>
        <source>This export has no word bank to put these extra words in; they are left out:</source>
        <translation>Cette exportation n&apos;a pas de banque de mots pour ces mots supplémentaires ; ils sont omis :</translation>
    </message>
    <message>
        <source>They come from &quot;Extra words&quot; and &quot;From the database&quot; in the options, which are kept with the exercise.</source>
        <translation>Ils viennent de « Mots supplémentaires » et de « De la base » dans les options, qui sont conservées avec l&apos;exercice.</translation>
    </message>
    <message>
        <source>Extra words: words that fill no gap, one a line or separated by commas</source>
        <translation>Mots supplémentaires : mots qui ne remplissent aucun trou, un par ligne ou séparés par des virgules</translation>
    </message>
    <message>
        <source>Extra words</source>
        <translation>Mots supplémentaires</translation>
    </message>
    <message>
        <source>From the data&amp;base:</source>
        <translation>De la &amp;base :</translation>
    </message>
    <message>
        <source>Hot Potatoes players</source>
        <translation>Lecteurs Hot Potatoes</translation>
    </message>
    <message>
        <source>Neither the suite&apos;s own page nor Moodle&apos;s player can show these as typed:</source>
        <translation>Ni la page de la suite ni le lecteur de Moodle ne peuvent afficher ceci tel que saisi :</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Importer une liste de mots</translation>
    </message>
    <message>
        <source>The words could not be added to the database.</source>
        <translation>Les mots n’ont pas pu être ajoutés à la base de données.</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>The database %1 is open in another copy of %2 (user %3, computer %4) since %5.</source>
        <translation>La base de données %1 est ouverte dans une autre copie de %2 (utilisateur %3, ordinateur %4) depuis %5.</translation>
    </message>
    <message>
        <source>Database in use</source>
        <translation>Base de données en cours d’utilisation</translation>
    </message>
    <message>
        <source>When two copies save the same database, the changes of one are lost. Open it read-only (saving then asks for another name), or open it anyway?</source>
        <translation>Si deux copies enregistrent la même base de données, les modifications de l’une sont perdues. L’ouvrir en lecture seule (l’enregistrement demande alors un autre nom) ou l’ouvrir quand même ?</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Ouvrir en lecture seule</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>The database was not saved.</source>
        <translation>La base de données n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Database changed on disk</source>
        <translation>Base de données modifiée sur le disque</translation>
    </message>
    <message>
        <source>Another program has changed the database file %1 since it was opened or last saved here.</source>
        <translation>Un autre programme a modifié le fichier de base de données %1 depuis qu’il a été ouvert ou enregistré ici pour la dernière fois.</translation>
    </message>
    <message>
        <source>Overwrite the file with this window&apos;s database, or merge the file&apos;s headwords and sentences into this database and then save?</source>
        <translation>Écraser le fichier avec la base de données de cette fenêtre, ou fusionner les entrées et les phrases du fichier dans cette base de données puis enregistrer ?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>The database file %1 could not be read; nothing was merged.</source>
        <translation>Le fichier de base de données %1 n’a pas pu être lu ; rien n’a été fusionné.</translation>
    </message>
    <message>
        <source>Changes on disk merged.</source>
        <translation>Modifications sur le disque fusionnées.</translation>
    </message>
    <message>
        <source>File reloaded</source>
        <translation>Fichier rechargé</translation>
    </message>
    <message>
        <source>The database file %1 could not be read.</source>
        <translation>Le fichier de base de données %1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>Another program has changed the database file %1.</source>
        <translation>Un autre programme a modifié le fichier de base de données %1.</translation>
    </message>
    <message>
        <source>Reload it, or keep what this window shows?</source>
        <translation>La recharger, ou garder ce qu’affiche cette fenêtre ?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Keep what is shown</source>
        <translation>Garder l’affichage</translation>
    </message>
    <message>
        <source>This window has changes that are not saved. Merge the file&apos;s headwords and sentences into this database, reload the file and lose this window&apos;s changes, or keep your own?</source>
        <translation>Cette fenêtre contient des modifications non enregistrées. Fusionner les entrées et les phrases du fichier dans cette base de données, recharger le fichier et perdre les modifications de cette fenêtre, ou garder les vôtres ?</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Garder les miens</translation>
    </message>
    <message>
        <source>Reload database</source>
        <translation>Recharger la base de données</translation>
    </message>
    <message>
        <source>Reloading discards the changes made in this window since the database was last saved.</source>
        <translation>Le rechargement abandonne les modifications faites dans cette fenêtre depuis le dernier enregistrement de la base de données.</translation>
    </message>
    <message>
        <source>Database file removed</source>
        <translation>Fichier de base de données supprimé</translation>
    </message>
    <message>
        <source>The database file %1 has been deleted or moved away. Saving writes it anew.</source>
        <translation>Le fichier de base de données %1 a été supprimé ou déplacé. L’enregistrement le réécrit.</translation>
    </message>
    <message>
        <source>The recovery copy could not be written: %1</source>
        <translation>La copie de récupération n’a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 from %2 can be recovered.</source>
        <translation>Des modifications non enregistrées de %1 du %2 peuvent être récupérées.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>The unsaved changes were discarded.</source>
        <translation>Les modifications non enregistrées ont été abandonnées.</translation>
    </message>
    <message>
        <source>Recovery failed</source>
        <translation>Échec de la récupération</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read.</source>
        <translation>La copie de récupération %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Unsaved changes recovered</source>
        <translation>Modifications non enregistrées récupérées</translation>
    </message>
    <message>
        <source>&amp;Rename headword</source>
        <translation>&amp;Renommer l’entrée</translation>
    </message>
    <message>
        <source>Change the text of the selected headword.</source>
        <translation>Modifier le texte de l’entrée sélectionnée.</translation>
    </message>
    <message>
        <source>Remove the selected sentences from the output list.</source>
        <translation>Retirer les phrases sélectionnées de la liste de sortie.</translation>
    </message>
    <message>
        <source>Remove all sentences from the output list.</source>
        <translation>Retirer toutes les phrases de la liste de sortie.</translation>
    </message>
    <message>
        <source>Found in a sentence of &quot;%1&quot;</source>
        <translation>Trouvé dans une phrase de « %1 »</translation>
    </message>
    <message>
        <source>Found in the headword &quot;%1&quot;</source>
        <translation>Trouvé dans l’entrée « %1 »</translation>
    </message>
    <message>
        <source>Moodle XML file saved</source>
        <translation>Fichier Moodle XML enregistré</translation>
    </message>
    <message>
        <source>GIFT file saved</source>
        <translation>Fichier GIFT enregistré</translation>
    </message>
    <message>
        <source>Do you want to show the saved file in its folder?</source>
        <translation>Voulez-vous afficher le dossier du fichier enregistré ?</translation>
    </message>
    <message>
        <source>H5P</source>
        <translation>H5P</translation>
    </message>
    <message>
        <source>H5P files (*.h5p)</source>
        <translation>Fichiers H5P (*.h5p)</translation>
    </message>
    <message>
        <source>Problem saving H5P file</source>
        <translation>Problème lors de l&apos;enregistrement du fichier H5P</translation>
    </message>
    <message>
        <source>Unable to save the H5P file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier H5P dans 
</translation>
    </message>
    <message>
        <source>Open H5P file</source>
        <translation>Ouvrir le fichier H5P</translation>
    </message>
    <message>
        <source>None of the output entries has a key word that H5P can hold. No file was written.</source>
        <translation>Aucune des phrases de sortie n&apos;a de mot-clé que H5P puisse contenir. Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>H5P marks gaps with &quot;*&quot;, &quot;/&quot; and &quot;:&quot; and cannot hold them in an answer. These are left out of the file:</source>
        <translation>H5P marque les trous avec « * », « / » et « : » et ne peut pas les contenir dans une réponse. Ceci est omis du fichier :</translation>
    </message>
    <message>
        <source>H5P: &amp;Fill in the Blanks</source>
        <translation>H5P : &amp;Texte à trous (Fill in the Blanks)</translation>
    </message>
    <message>
        <source>Export the current output sentences as an H5P &quot;Fill in the Blanks&quot; exercise; the learning platform needs that content type installed.</source>
        <translation>Exporter les phrases de sortie actuelles comme exercice H5P « Fill in the Blanks » ; ce type de contenu doit être installé sur la plateforme d&apos;apprentissage.</translation>
    </message>
    <message>
        <source>Save H5P Fill in the Blanks file</source>
        <translation>Enregistrer le fichier H5P « Fill in the Blanks »</translation>
    </message>
    <message>
        <source>H5P: &amp;Drag the Words</source>
        <translation>H5P : &amp;Glisser les mots (Drag the Words)</translation>
    </message>
    <message>
        <source>Export the current output sentences as an H5P &quot;Drag the Words&quot; exercise; the learning platform needs that content type installed.</source>
        <translation>Exporter les phrases de sortie actuelles comme exercice H5P « Drag the Words » ; ce type de contenu doit être installé sur la plateforme d&apos;apprentissage.</translation>
    </message>
    <message>
        <source>Save H5P Drag the Words file</source>
        <translation>Enregistrer le fichier H5P « Drag the Words »</translation>
    </message>
    <message>
        <source>&amp;SCORM package (interactive page)</source>
        <translation>Paquet &amp;SCORM (page interactive)</translation>
    </message>
    <message>
        <source>Export the current output sentences as a SCORM 1.2 package of the interactive web page, which reports the pupil&apos;s score to the learning platform.</source>
        <translation>Exporter les phrases de sortie actuelles comme paquet SCORM 1.2 de la page web interactive, qui transmet le score de l&apos;élève à la plateforme d&apos;apprentissage.</translation>
    </message>
    <message>
        <source>Save SCORM package</source>
        <translation>Enregistrer le paquet SCORM</translation>
    </message>
    <message>
        <source>SCORM packages (*.zip)</source>
        <translation>Paquets SCORM (*.zip)</translation>
    </message>
    <message>
        <source>Problem saving SCORM package</source>
        <translation>Problème lors de l&apos;enregistrement du paquet SCORM</translation>
    </message>
    <message>
        <source>Unable to save the SCORM package to 
</source>
        <translation>Impossible d&apos;enregistrer le paquet SCORM dans 
</translation>
    </message>
    <message>
        <source>Open SCORM package</source>
        <translation>Ouvrir le paquet SCORM</translation>
    </message>
    <message>
        <source>The ZIP archive could not be made.</source>
        <translation>L&apos;archive ZIP n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>LMS</source>
        <translation>LMS</translation>
    </message>
    <message>
        <source>New headwords: %1</source>
        <translation>Nouvelles entrées : %1</translation>
    </message>
    <message>
        <source>Sentences without a key word, which make no gap until brackets are added: %1</source>
        <translation>Phrases sans mot clé, qui ne donnent aucun trou tant que des crochets ne sont pas ajoutés : %1</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Convertis : %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>The lock was made on another computer; whether that copy still runs cannot be told from here. If it does not, Open anyway removes its lock.</source>
        <translation>Le verrou a été posé sur un autre ordinateur ; d’ici, impossible de savoir si cette copie fonctionne encore. Si ce n’est pas le cas, « Ouvrir quand même » retire son verrou.</translation>
    </message>
    <message>
        <source>That copy opened the database after this window did. The database was not saved; save it under another name.</source>
        <translation>Cette copie a ouvert la base de données après cette fenêtre. La base de données n’a pas été enregistrée ; enregistrez-la sous un autre nom.</translation>
    </message>
    <message>
        <source>Unable to make the working database %1 from %2:
%3
The program tries again at its next start.</source>
        <translation>Impossible de créer la base de données de travail %1 à partir de %2 :
%3
Le programme réessaiera au prochain démarrage.</translation>
    </message>
    <message>
        <source>The exercise could not be kept: %1</source>
        <translation>L’exercice n’a pas pu être conservé : %1</translation>
    </message>
    <message>
        <source>Choices left out</source>
        <translation>Choix omis</translation>
    </message>
    <message>
        <source>This format cannot offer a gap its own choices. In these sentences the wrong choices are left out and only the answers kept:</source>
        <translation>Ce format ne peut pas proposer de choix propres à un trou. Dans ces phrases, les mauvais choix sont omis et seules les réponses restent :</translation>
    </message>
    <message>
        <source>Sentences kept</source>
        <translation>Phrases conservées</translation>
    </message>
    <message>
        <source>%1 files were saved. Do you want to show them in their folder?</source>
        <translation>%1 fichiers ont été enregistrés. Voulez-vous les afficher dans leur dossier ?</translation>
    </message>
    <message>
        <source>Overwrite files?</source>
        <translation>Écraser les fichiers ?</translation>
    </message>
    <message>
        <source>These files already exist:
%1
Are you sure you want to overwrite them?</source>
        <translation>Ces fichiers existent déjà :
%1
Voulez-vous vraiment les écraser ?</translation>
    </message>
    <message>
        <source>Written before it:</source>
        <translation>Écrits avant lui :</translation>
    </message>
    <message>
        <source>&amp;Differentiated sheets</source>
        <translation>Fiches &amp;différenciées</translation>
    </message>
    <message>
        <source>Three sheets of one exercise in one order, so one key serves them all: with the word bank, with the first letter of each answer, and plain.</source>
        <translation>Trois fiches d&apos;un exercice dans le même ordre, pour qu&apos;un seul corrigé serve à toutes : avec la banque de mots, avec la première lettre de chaque réponse, et sans aide.</translation>
    </message>
    <message>
        <source>H&amp;ints:</source>
        <translation>&amp;Indices :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>First letter</source>
        <translation>Première lettre</translation>
    </message>
    <message>
        <source>Letter count</source>
        <translation>Nombre de lettres</translation>
    </message>
    <message>
        <source>What each gap shows of its answer.</source>
        <translation>Ce que chaque trou montre de sa réponse.</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versions :</translation>
    </message>
    <message>
        <source>Versions A, B, C... of the exercise, each with its own key.</source>
        <translation>Versions A, B, C… de l&apos;exercice, chacune avec son corrigé.</translation>
    </message>
    <message>
        <source>Reordered</source>
        <translation>Réordonnées</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallèles</translation>
    </message>
    <message>
        <source>Kind of versions</source>
        <translation>Type de versions</translation>
    </message>
    <message>
        <source>Reordered: the same sentences in another order. Parallel: other sentences of the same headwords.</source>
        <translation>Réordonnées : les mêmes phrases dans un autre ordre. Parallèles : d&apos;autres phrases des mêmes entrées.</translation>
    </message>
    <message>
        <source>Ke&amp;ys at the end</source>
        <translation>Corri&amp;gés à la fin</translation>
    </message>
    <message>
        <source>In a PDF document or a print: all the keys after all the versions.</source>
        <translation>Dans un document PDF ou une impression : tous les corrigés après toutes les versions.</translation>
    </message>
    <message>
        <source>1 entry without a key word was left out of the cards.</source>
        <translation>1 entrée sans mot clé a été laissée de côté dans les cartes.</translation>
    </message>
    <message>
        <source>%1 entries without a key word were left out of the cards.</source>
        <translation>%1 entrées sans mot clé ont été laissées de côté dans les cartes.</translation>
    </message>
    <message>
        <source>Nothing to practise</source>
        <translation>Rien à réviser</translation>
    </message>
    <message>
        <source>None of the output entries has a key word, so there would be no flash cards. No file was written.</source>
        <translation>Aucune des phrases de sortie n&apos;a de mot clé : il n&apos;y aurait aucune carte. Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Anki text files (*.txt)</source>
        <translation>Fichiers texte Anki (*.txt)</translation>
    </message>
    <message>
        <source>Quizlet text files (*.txt)</source>
        <translation>Fichiers texte Quizlet (*.txt)</translation>
    </message>
    <message>
        <source>Hints left out</source>
        <translation>Indices laissés de côté</translation>
    </message>
    <message>
        <source>This format has no place for a hint beside a gap; its gaps are made without hints.</source>
        <translation>Ce format n&apos;a pas de place pour un indice à côté d&apos;un trou ; ses trous sont faits sans indice.</translation>
    </message>
    <message>
        <source>&amp;Anki flash cards</source>
        <translation>Cartes &amp;Anki</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Export the current output sentences as cloze flash cards for Anki.</source>
        <translation>Exporter les phrases de sortie actuelles comme cartes à trous pour Anki.</translation>
    </message>
    <message>
        <source>Save Anki file</source>
        <translation>Enregistrer le fichier Anki</translation>
    </message>
    <message>
        <source>Problem saving Anki file</source>
        <translation>Problème lors de l&apos;enregistrement du fichier Anki</translation>
    </message>
    <message>
        <source>Unable to save the Anki file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier Anki dans 
</translation>
    </message>
    <message>
        <source>Anki file saved</source>
        <translation>Fichier Anki enregistré</translation>
    </message>
    <message>
        <source>&amp;Quizlet flash cards</source>
        <translation>Cartes &amp;Quizlet</translation>
    </message>
    <message>
        <source>Export the current output sentences as flash cards to import into Quizlet.</source>
        <translation>Exporter les phrases de sortie actuelles comme cartes à importer dans Quizlet.</translation>
    </message>
    <message>
        <source>Save Quizlet file</source>
        <translation>Enregistrer le fichier Quizlet</translation>
    </message>
    <message>
        <source>Problem saving Quizlet file</source>
        <translation>Problème lors de l&apos;enregistrement du fichier Quizlet</translation>
    </message>
    <message>
        <source>Unable to save the Quizlet file to 
</source>
        <translation>Impossible d&apos;enregistrer le fichier Quizlet dans 
</translation>
    </message>
    <message>
        <source>Quizlet file saved</source>
        <translation>Fichier Quizlet enregistré</translation>
    </message>
    <message>
        <source>Second answers left out</source>
        <translation>Deuxièmes réponses omises</translation>
    </message>
    <message>
        <source>A drop zone takes one word. In these sentences the second answers are left out and only the first kept:</source>
        <translation>Une zone de dépôt ne reçoit qu’un mot. Dans ces phrases, les deuxièmes réponses sont omises et seule la première est gardée :</translation>
    </message>
    <message>
        <source>H5P marks gaps with &quot;*&quot;, &quot;/&quot; and &quot;:&quot; and cannot hold them in an answer. These sentences are kept without what each line names:</source>
        <translation>H5P marque les trous avec &quot;*&quot;, &quot;/&quot; et &quot;:&quot; et ne peut pas les contenir dans une réponse. Ces phrases sont gardées, sans ce que nomme chaque ligne :</translation>
    </message>
    <message>
        <source>Exercise options</source>
        <translation>Options de l&apos;exercice</translation>
    </message>
    <message>
        <source>Move sentence up</source>
        <translation>Monter la phrase</translation>
    </message>
    <message>
        <source>Move sentence down</source>
        <translation>Descendre la phrase</translation>
    </message>
    <message>
        <source>Move output entry up</source>
        <translation>Monter l’entrée de la sortie</translation>
    </message>
    <message>
        <source>Move output entry down</source>
        <translation>Descendre l’entrée de la sortie</translation>
    </message>
    <message>
        <source>Check &amp;spelling...</source>
        <translation>Vérifier l’&amp;orthographe…</translation>
    </message>
    <message>
        <source>Lists the words of the database or of the output list that the dictionary does not know</source>
        <translation>Liste les mots de la base de données ou de la liste de sortie que le dictionnaire ne connaît pas</translation>
    </message>
    <message>
        <source>Instr&amp;uctions:</source>
        <translation>Co&amp;nsignes :</translation>
    </message>
    <message>
        <source>Language of the instructions</source>
        <translation>Langue des consignes</translation>
    </message>
    <message>
        <source>The language of the instructions, headings and buttons the pupils read; the sentences keep the database&apos;s language.</source>
        <translation>La langue des consignes, titres et boutons que lisent les élèves ; les phrases gardent la langue de la base de données.</translation>
    </message>
    <message>
        <source>Database &amp;Language</source>
        <translation>&amp;Langue de la base</translation>
    </message>
    <message>
        <source>The database has no language set.</source>
        <translation>Aucune langue n&apos;est définie pour la base de données.</translation>
    </message>
    <message>
        <source>Database language: %1</source>
        <translation>Langue de la base de données : %1</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non définie</translation>
    </message>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Autre...</translation>
    </message>
    <message>
        <source>&amp;Other (%1)...</source>
        <translation>&amp;Autre (%1)...</translation>
    </message>
    <message>
        <source>Database language</source>
        <translation>Langue de la base de données</translation>
    </message>
    <message>
        <source>The language of the sentences, as a language tag: a language code, often followed by a country code (en-AU, pt-BR, sr-Latn-RS):</source>
        <translation>La langue des phrases, sous forme d&apos;étiquette de langue : un code de langue, souvent suivi d&apos;un code de pays (en-AU, pt-BR, sr-Latn-RS) :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. A tag is a language code such as en or de, often followed by a hyphen and a country code, as in en-GB or de-CH.</source>
        <translation>« %1 » n&apos;est pas une étiquette de langue. Une étiquette est un code de langue comme en ou de, souvent suivi d&apos;un trait d&apos;union et d&apos;un code de pays, comme en-GB ou de-CH.</translation>
    </message>
    <message>
        <source>&amp;Find sentences in a text...</source>
        <translation>&amp;Trouver des phrases dans un texte…</translation>
    </message>
    <message>
        <source>Find example sentences for the headwords in a text you have.</source>
        <translation>Trouver des phrases d’exemple pour les entrées dans un texte que vous avez.</translation>
    </message>
</context>
<context>
    <name>MoodleExport</name>
    <message>
        <source>%1: matching</source>
        <translation>%1 : appariement</translation>
    </message>
    <message>
        <source>Match each sentence with its missing words.</source>
        <translation>Associez chaque phrase à ses mots manquants.</translation>
    </message>
</context>
<context>
    <name>ScormPackage</name>
    <message>
        <source>Answer every gap before you check: your first complete check is the score that counts.</source>
        <translation>Remplis toutes les lacunes avant de vérifier : ta première vérification complète est le score qui compte.</translation>
    </message>
    <message>
        <source>Score recorded: %1%</source>
        <translation>Score enregistré : %1 %</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>No spelling dictionary for %1 was found, so spelling is not checked. Install the Debian package %2 to have it checked.</source>
        <translation>Aucun dictionnaire orthographique pour %1 n’a été trouvé : l’orthographe n’est pas vérifiée. Installez le paquet Debian %2 pour qu’elle le soit.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>SpellMenu</name>
    <message>
        <source>%1 spelling</source>
        <translation>Orthographe : %1</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Word not added</source>
        <translation>Mot non ajouté</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; could not be added to your word list %2:
%3</source>
        <translation>Le mot « %1 » n’a pas pu être ajouté à votre liste de mots %2 :
%3</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Not in the dictionary: %1</source>
        <translation>Absent du dictionnaire : %1</translation>
    </message>
    <message>
        <source>Another spelling: %1</source>
        <translation>Autre orthographe : %1</translation>
    </message>
</context>
<context>
    <name>SentenceFinder</name>
    <message>
        <source>Short for an example sentence</source>
        <translation>Courte pour une phrase d’exemple</translation>
    </message>
    <message>
        <source>Long for an example sentence</source>
        <translation>Longue pour une phrase d’exemple</translation>
    </message>
    <message>
        <source>Begins with a word that points to an earlier sentence</source>
        <translation>Commence par un mot qui renvoie à une phrase précédente</translation>
    </message>
    <message>
        <source>Part of a quotation</source>
        <translation>Partie d’une citation</translation>
    </message>
    <message>
        <source>Not a whole sentence: no full stop</source>
        <translation>Pas une phrase complète : pas de point final</translation>
    </message>
    <message>
        <source>Not a whole sentence: no capital letter</source>
        <translation>Pas une phrase complète : pas de majuscule</translation>
    </message>
    <message>
        <source>the headword</source>
        <translation>l’entrée</translation>
    </message>
    <message>
        <source>a regular form</source>
        <translation>une forme régulière</translation>
    </message>
    <message>
        <source>an irregular form</source>
        <translation>une forme irrégulière</translation>
    </message>
    <message>
        <source>a phrasal verb</source>
        <translation>un verbe à particule</translation>
    </message>
    <message>
        <source>a word of the same stem</source>
        <translation>un mot de même radical</translation>
    </message>
    <message>
        <source>Rare words: %1</source>
        <translation>Mots rares : %1</translation>
    </message>
    <message>
        <source>Found as %1</source>
        <translation>Trouvée comme %1</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Mots : %1</translation>
    </message>
</context>
<context>
    <name>TemplateFill</name>
    <message>
        <source>Sentence %1: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Phrase %1 : un caractère comme un emoji, que le lecteur de Moodle abîme.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: it looks like markup, and the word list shows it as such.</source>
        <translation>Phrase %1, réponse « %2 » : elle ressemble à une balise, et la liste de mots l&apos;affiche comme telle.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: Moodle&apos;s player accepts it only with the reference decoded.</source>
        <translation>Phrase %1, réponse « %2 » : le lecteur de Moodle ne l&apos;accepte qu&apos;avec la référence décodée.</translation>
    </message>
    <message>
        <source>Sentence %1, answer &quot;%2&quot;: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Phrase %1, réponse « %2 » : un caractère comme un emoji, que le lecteur de Moodle abîme.</translation>
    </message>
    <message>
        <source>Sentence %1, clue &quot;%2&quot;: a character such as an emoji, which Moodle&apos;s player breaks.</source>
        <translation>Phrase %1, indice « %2 » : un caractère comme un emoji, que le lecteur de Moodle abîme.</translation>
    </message>
</context>
<context>
    <name>TextReader</name>
    <message>
        <source>The book has no META-INF/container.xml.</source>
        <translation>Le livre n’a pas de META-INF/container.xml.</translation>
    </message>
    <message>
        <source>The book&apos;s package document cannot be read.</source>
        <translation>Le document de paquet du livre ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The PDF file cannot be read or is protected by a password.</source>
        <translation>Le fichier PDF ne peut pas être lu ou est protégé par un mot de passe.</translation>
    </message>
    <message>
        <source>Texts (*.txt *.text *.htm *.html *.xhtml *.odt *.docx *.epub *.pdf)</source>
        <translation>Textes (*.txt *.text *.htm *.html *.xhtml *.odt *.docx *.epub *.pdf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is too large for a text.</source>
        <translation>%1 est trop volumineux pour un texte.</translation>
    </message>
    <message>
        <source>%1 is no %2 file.</source>
        <translation>%1 n’est pas un fichier %2.</translation>
    </message>
    <message>
        <source>%1 has no %2.</source>
        <translation>%1 ne contient pas de %2.</translation>
    </message>
</context>
<context>
    <name>XmlLimits</name>
    <message>
        <source>The file&apos;s elements are nested more than %1 levels deep.</source>
        <translation>Les éléments du fichier sont imbriqués sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The entities and default values in the file&apos;s document type would add more than %1 characters to it.</source>
        <translation>Les entités et valeurs par défaut de la déclaration de type de document du fichier lui ajouteraient plus de %1 caractères.</translation>
    </message>
    <message>
        <source>The file&apos;s document type declares parameter entities, which are not read.</source>
        <translation>La déclaration de type de document du fichier déclare des entités paramètres, qui ne sont pas lues.</translation>
    </message>
</context>
<context>
    <name>ZelConfirm</name>
    <message>
        <source>Are you sure you want to do this?</source>
        <translation>Voulez-vous vraiment faire cela ?</translation>
    </message>
</context>
<context>
    <name>ZelFileDialog</name>
    <message>
        <source>Overwrite file?</source>
        <translation>Écraser le fichier ?</translation>
    </message>
    <message>
        <source>This file already exists. Are you sure you want to overwrite it?</source>
        <translation>Ce fichier existe déjà. Voulez-vous vraiment l&apos;écraser ?</translation>
    </message>
</context>
<context>
    <name>ZelUtils</name>
    <message>
        <source>File open error</source>
        <translation>Erreur d&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>Unable to open this file:
 %1</source>
        <translation>Impossible d&apos;ouvrir ce fichier :
 %1</translation>
    </message>
    <message>
        <source>Please try opening the file manually.</source>
        <translation>Veuillez essayer d&apos;ouvrir le fichier vous-même.</translation>
    </message>
</context>
</TS>
