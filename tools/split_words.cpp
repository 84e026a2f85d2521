// Splits files/words.txt into files/newWords.txt and one word file per
// JLPT grade. The game itself never runs this.

#include "study/WordFileSplitter.hpp"

int main()
{
    return splitWordFile() ? 0 : 1;
}
