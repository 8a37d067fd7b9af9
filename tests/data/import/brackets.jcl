<?xml version="1.0" encoding="ISO-8859-1"?>
<hotpot-jcloze-file>
<version>6</version>
<data>
<title>Loop</title>
<gap-fill>In Python, l = [3, 4, 5] makes a list. A <question-record><question></question><answer><text>for</text><feedback></feedback><correct>1</correct></answer><answer><text>while</text><feedback></feedback><correct>1</correct></answer><clue>a keyword</clue></question-record> loop walks it [sic]. The Loop displayed 3, 4, 5.</gap-fill>
</data>
<hotpot-config-file><jcloze></jcloze><global></global></hotpot-config-file>
</hotpot-jcloze-file>
