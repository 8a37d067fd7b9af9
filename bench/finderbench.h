// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FINDERBENCH_H
#define FINDERBENCH_H

// The sentence finder over a book-sized text: a generated text of `words` words in which the
// headwords of the British starter database stand in their forms, searched for all those headwords.
// Prints the time and returns the number of failed checks.
int runFinderBench(int words);

#endif // FINDERBENCH_H
