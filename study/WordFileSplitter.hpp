#pragma once
// Prepares word material: reads "files/words.txt", drops repeated words and
// writes the rest to "files/newWords.txt" and, sorted by the most advanced
// grade among each word's known kanji, to "files/JLPTN<grade>words.txt".
// Ends the process with exit code 1 when the input cannot be opened. Input
// that is not UTF-8 is reported and writes nothing; the result is then false.

bool splitWordFile();
