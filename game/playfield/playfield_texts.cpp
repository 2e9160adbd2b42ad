#include "game/playfield/playfield_texts.h"

CLocalizedString g_TextRound("Round", "Means level or stage as in Round 5");
CLocalizedString g_TextBegin("Begin");
CLocalizedString g_TextRoundComplete("Round Complete");
CLocalizedString g_TextNoShipBonus("No Ship Bonus");
CLocalizedString g_TextBonusPoints("Bonus Points");
CLocalizedString g_TextGameOver("Game Over");
CLocalizedString g_TextOutOfBoundsPenalty("Out of bounds penalty");
CLocalizedString g_TextYouAreCheating("You are cheating");
CLocalizedString g_TextPoints("Points", "means score");
CLocalizedString
    g_TextScoreNotHighEnough("Your score of %s is not high enough to qualify you for the high scores list.");
CLocalizedString
    g_TextScoreCheated("Your score of %s does not qualify you for the high scores list because you cheated.");
CLocalizedString g_TextScoreRanks("Your score of %s ranks number %d in the high scores list");
CLocalizedString g_TextPersonalBest(" and is your personal best");
