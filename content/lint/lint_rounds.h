#pragma once

class CLintReport;
class CLintFatalCatcher;

// What a shipped round set promises a player: every set has a round, and
// every round of a set is played with the score board showing.
void LintRoundSets(CLintFatalCatcher& catcher, CLintReport& report);

// What every level (each item of "Rounds" and each round a set holds)
// promises: a brick that must be destroyed, so the round can be cleared;
// no automatic thumbnail, so playing never rewrites a shipped file; and
// where it holds coins, exactly the five its style counts on.
void LintLevels(CLintFatalCatcher& catcher, CLintReport& report);
