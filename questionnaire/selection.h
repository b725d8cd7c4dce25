// Program selection: the points of the four group answers add up to a total
// score, and the score band of the sex answer picks the result window.
#pragma once

#include <questionnaire/resultkind.h>

namespace questionnaire {

class Board;

// The sum of the points of the four group answers.
int totalScore(const Board &board);

// The result kind for the board as it stands; reads only the enabled flags.
ResultKind selectProgram(const Board &board);

} // namespace questionnaire
