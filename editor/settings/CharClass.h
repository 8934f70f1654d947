#pragma once
// Character classes for whole-word tests: 1 line end, 0 other blanks and
// controls, 2 word characters (letters, digits, '_' and every byte from 128),
// 3 punctuation.
void FillCharClassTable(unsigned char table[256]);
