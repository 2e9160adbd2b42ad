#pragma once

#include "engine/core/localization/localized_string.h"

// The playfield's words for the player: the text box's round, bonus, score
// and game-over lines.
extern CLocalizedString g_TextRound;
extern CLocalizedString g_TextBegin;
extern CLocalizedString g_TextRoundComplete;
extern CLocalizedString g_TextNoShipBonus;
extern CLocalizedString g_TextBonusPoints;
extern CLocalizedString g_TextGameOver;
extern CLocalizedString g_TextOutOfBoundsPenalty;
extern CLocalizedString g_TextYouAreCheating;
extern CLocalizedString g_TextPoints;
extern CLocalizedString g_TextScoreNotHighEnough;
extern CLocalizedString g_TextScoreCheated;
extern CLocalizedString g_TextScoreRanks;
extern CLocalizedString g_TextPersonalBest;
