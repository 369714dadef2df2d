// A fresh game record for every rules test, and boards written as pictures.
#pragma once

#include <gtest/gtest.h>

#include "game_state.h"

// A board picture: ten strings, the top row (row 9) first; '.' is empty, '1' to '4' a piece.
using BoardPicture = const char* [boardRows];

// Puts the picture on the board; does not touch lastMove or the turn.
void loadBoard(const BoardPicture& picture);

class RulesTest : public ::testing::Test {
protected:
    // The record as the program builds it, then a known course of random draws.
    void SetUp() override;
};
