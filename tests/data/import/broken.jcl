<?xml version="1.0" encoding="ISO-8859-1"?>
<hotpot-jcloze-file>
<rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#" xmlns:dc="http://purl.org/dc/elements/1.1/">
<rdf:Description rdf:about=""><dc:creator>Lexivane tests</dc:creator><dc:title>Au caf&amp;#x00E9;</dc:title></rdf:Description>
</rdf:RDF><version>6</version>
<data>
<title>Au caf&amp;#x00E9;</title>
<timer><seconds>60</seconds><include-timer>0</include-timer></timer>
<reading><include-reading>0</include-reading><reading-title></reading-title><reading-text></reading-text></reading>
<gap-fill><question-record><question></question><answer><text>Le</text><feedback></feedback><correct>1</correct></answer><clue></clue></question-record> gar&amp;#x00E7;on boit un <question-record><question></question><answer><text>th&amp;#x00E9;</text><feedback></feedback><correct>0</correct></answer><answer><text>caf&amp;#x00E9;</text><feedback></feedback><correct>1</correct></answer><clue></clue></question-record>. Il est &amp;#x003C;b&amp;#x003E;tr&amp;#x00E8;s&amp;#x003C;/b&amp;#x003E; <question-record><question></question><answer><text>chaud</text><feedback></feedback><correct>1</correct></answer><clue></clue></question-record> <question-record><question></question><answer><text>aujourd&apos;hui</text><feedback></feedback><correct>1</correct></answer><clue></clue></question-record>&amp;#x0021;
&quot;Tom &amp;#x0026; Jerry&quot; n&apos;ont pas de gap. Un trou <question-record><question></question><answer><text></text><feedback></feedback><correct>1</correct></answer><clue></clue></question-record> vide.</gap-fil>
</data>
<hotpot-config-file><jcloze></jcloze><global></global></hotpot-config-file>
</hotpot-jcloze-file>
