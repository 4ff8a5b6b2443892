// MessageKey: every text the game shows to the player in a message box.
#pragma once

enum class MessageKey {
    msgPressStart,
    msgIntro1,
    msgIntro2,
    msgIntro3,
    msgIntro4,
    msgIntro5,
    msgIntro6,
    msgFound,
    msgSameFloor,
    msgGoDown,
    msgGoUp,
    msgEscaped,
    msgMissionOver,
    msgSuspectOrdinal, // suspect number
    msgPaid,           // pay for this catch
    msgChancesLeft,    // visits left for this suspect
    msgSummary,        // suspects caught, reward of the mission
    msgCurrentScore,   // reward of the running mission
    msgHighScore,      // high score
};
