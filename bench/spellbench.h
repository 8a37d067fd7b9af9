// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPELLBENCH_H
#define SPELLBENCH_H

// Check spelling over a generated database of `words` x `sentences` sentences: the copy of the texts
// the window waits for, and the check that runs in the background, with a fresh checker as the
// command makes one. Prints the figures; returns the number of failed checks.
int runSpellBench(int words, int sentences, int runs);

#endif // SPELLBENCH_H
