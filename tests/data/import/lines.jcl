<?xml version="1.0" encoding="ISO-8859-1"?>
<hotpot-jcloze-file>
<rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#" xmlns:dc="http://purl.org/dc/elements/1.1/">
<rdf:Description rdf:about=""><dc:creator>Lexivane tests</dc:creator><dc:title>Past simple</dc:title></rdf:Description>
</rdf:RDF><version>6</version>
<data>
<title>Past simple</title>
<timer><seconds>60</seconds><include-timer>0</include-timer></timer>
<reading><include-reading>0</include-reading><reading-title></reading-title><reading-text></reading-text></reading>
<gap-fill>1. Mr. Brown <question-record><question></question><answer><text>tried</text><feedback></feedback><correct>1</correct></answer><clue>tried</clue></question-record> (try)
to open the heavy door of the old shed.
2. We <question-record><question></question><answer><text>went</text><feedback></feedback><correct>1</correct></answer><clue>go</clue></question-record> to the
cinema. Then we <question-record><question></question><answer><text>ate</text><feedback></feedback><correct>1</correct></answer><clue>Ate!</clue></question-record> pizza.
3. She was <question-record><question></question><answer><text>a</text><feedback></feedback><correct>1</correct></answer><clue>article</clue></question-record> bit tired
after the long day at the office and the drive home.</gap-fill>
</data>
<hotpot-config-file><jcloze></jcloze><global></global></hotpot-config-file>
</hotpot-jcloze-file>
