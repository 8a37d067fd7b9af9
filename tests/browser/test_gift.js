// SPDX-License-Identifier: GPL-3.0-or-later
// The GIFT export read by gift-pegjs, a GIFT parser written from Moodle's documented grammar by others
// (from the npm registry, a test tool only): the program writes a file from sentences with several
// gaps, choices and clues, and the parser must read one question per gap, none of whose texts holds
// the answer of another gap, and a multiple-choice question where a gap has choices.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const args = {};
for (let i = 2; i < process.argv.length; i += 2)
    args[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];
const gift = require(path.join(args.modules, 'gift-pegjs'));

const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'lexivane-gift-'));
const sentences = [
    ['Yesterday she [went~goes~gone] home and [ate] an [apple].', ['went', 'ate', 'apple']],
    ['The [cat::an animal] sat on the [mat].', ['cat', 'mat']],
    // Not at the start of a sentence: gift-pegjs reads no question whose "[html]" text begins with its answer.
    ['Both [colour|color] and {braces} = [sums~sum::plural].', ['colour', 'sums']],
];
fs.writeFileSync(path.join(dir, 'list.txt'), sentences.map((s) => s[0]).join('\n') + '\n');
const out = path.join(dir, 'out.gift');
execFileSync(args.lexivane, ['export', args.database, '--format', 'gift', '--list', path.join(dir, 'list.txt'),
    '--seed', '7', '-o', out], { stdio: 'inherit' });

const questions = gift.parse(fs.readFileSync(out, 'utf8')).filter((q) => q.type !== 'Category');
let failures = 0;
function check(ok, what) {
    if (!ok) {
        console.error('FAIL: ' + what);
        ++failures;
    }
}
const gaps = sentences.reduce((n, s) => n + s[1].length, 0);
check(questions.length === gaps, `${gaps} questions, one per gap, read ${questions.length}`);
const allAnswers = sentences.flatMap((s) => s[1]);
for (const q of questions) {
    const stem = q.stem.text;
    const right = q.choices.filter((c) => c.isCorrect).map((c) => c.text.text);
    check(right.length >= 1, `a right answer in "${stem}"`);
    for (const answer of allAnswers)
        check(!new RegExp('\\b' + answer + '\\b').test(stem), `"${stem}" shows the answer "${answer}"`);
    check(stem.includes('_____'), `"${stem}" has its gap`);
    if (right[0] === 'went' || right[0] === 'sums') {
        check(q.type === 'MC', `the gap with choices "${right[0]}" is multiple choice, read ${q.type}`);
        const wrong = q.choices.filter((c) => !c.isCorrect).map((c) => c.text.text).sort();
        check(JSON.stringify(wrong) === JSON.stringify(right[0] === 'went' ? ['goes', 'gone'] : ['sum']),
              `the wrong choices of "${right[0]}", read ${wrong}`);
    } else {
        check(q.type === 'Short', `the gap "${right[0]}" is a short answer, read ${q.type}`);
    }
}
const firsts = questions.map((q) => q.choices.find((c) => c.isCorrect).text.text).sort();
check(JSON.stringify(firsts) === JSON.stringify([...allAnswers].sort()), `every gap asked once, read ${firsts}`);
fs.rmSync(dir, { recursive: true });
if (failures)
    process.exit(1);
console.log(`${questions.length} GIFT questions read back`);
