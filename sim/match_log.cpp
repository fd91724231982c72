#include "sim/match_log.h"

#include <cstdio>

#include "model/rules.h"
#include "sim/options.h"

namespace pipwick {

namespace {

void WriteRect(std::ostream& out, const Rect& r) {
    out << '[' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ']';
}

}  // namespace

void MatchLog::StartGame(int64_t game) {
    game_ = game;
    hand_ = 0;
    ++summary_.games;
}

void MatchLog::ContinueHand() {
    ++summary_.hands;
    ++hand_;
    WriteRules();
}

void MatchLog::GameStarted() {
    WriteRules();
}

// All Fives alone writes no record of its rules, so its traces read as they always have.
void MatchLog::WriteRules() {
    const GameRules& rules = state_.Rules;
    if (!Tracing() || AreFirstRules(rules)) {
        return;
    }
    *trace_ << R"({"event":"game","game":")" << SimGameName(rules.Game) << R"(","partners":)"
            << rules.Partners << R"(,"target":)" << TargetScore(rules) << "}\n";
}

void MatchLog::HandStarted() {
    ++summary_.hands;
    ++hand_;
    if (!Tracing()) {
        return;
    }
    *trace_ << R"({"event":"hand","game":)" << game_ << R"(,"hand":)" << hand_ << R"(,"seed":)"
            << seeds_.LastSeed() << R"(,"leader":)" << state_.CurrentPlayer << R"(,"deck":[)";
    for (int i = 1; i < kDeckSize; ++i) {
        *trace_ << state_.Deck[i] << (i + 1 < kDeckSize ? "," : "]}\n");
    }
}

void MatchLog::TilePlayed(int player, int armIndex, const PlacedTile& record) {
    ++summary_.plays;
    if (!Tracing()) {
        return;
    }
    *trace_ << R"({"event":"play","player":)" << player << R"(,"tile":)" << record.Tile
            << R"(,"arm":)" << armIndex << R"(,"inner":)" << record.InnerPip << R"(,"outer":)"
            << record.OuterPip << R"(,"innerHalf":)";
    WriteRect(*trace_, record.InnerHalf);
    *trace_ << R"(,"outerHalf":)";
    WriteRect(*trace_, record.OuterHalf);
    const int32_t score = PlayScore(state_);
    *trace_ << R"(,"score":)" << score << R"(,"spinner":)" << state_.SpinnerState << "}\n";
}

void MatchLog::TileDrawn(int player, int32_t tile) {
    if (Tracing()) {
        *trace_ << R"({"event":"draw","player":)" << player << R"(,"tile":)" << tile << "}\n";
    }
}

void MatchLog::Passed(int player) {
    if (Tracing()) {
        *trace_ << R"({"event":"pass","player":)" << player << "}\n";
    }
}

void MatchLog::HandEnded(int32_t points, int winner, int32_t gain) {
    if (EndedBlocked(state_)) {
        ++summary_.blockedHands;
    }
    if (Tracing()) {
        *trace_ << R"({"event":"handEnd","points":)" << points << R"(,"award":[)" << winner << ','
                << gain << R"(],"scores":)";
        WriteScores();
        *trace_ << "}\n";
    }
    ++handsEnded_;
}

void MatchLog::GameEnded(int winner) {
    ++summary_.wins[winner];
    for (int player = 1; player <= 4; ++player) {
        summary_.finalScoreTotal[player] += state_.Scores[player];
    }
    if (!Tracing()) {
        return;
    }
    *trace_ << R"({"event":"gameOver","winner":)" << winner << R"(,"scores":)";
    WriteScores();
    *trace_ << "}\n";
}

void MatchLog::WriteScores() {
    const int32_t* scores = state_.Scores;
    *trace_ << '[' << scores[1] << ',' << scores[2] << ',' << scores[3] << ',' << scores[4] << ']';
}

namespace {

struct Figures {
    double averageScore[5] = {};
    double pointsPerHand = 0;
    double blockedShare = 0;
};

// Partners' scores are their pair's, so a pair's points are counted once, at seats 1 and 2.
Figures Derive(const MatchSummary& s, const GameRules& rules) {
    Figures f;
    int64_t points = 0;
    for (int player = 1; player <= 4; ++player) {
        f.averageScore[player] = s.games > 0 ? double(s.finalScoreTotal[player]) / s.games : 0;
        points += player <= 2 || !PlaysInPairs(rules) ? s.finalScoreTotal[player] : 0;
    }
    f.pointsPerHand = s.hands > 0 ? double(points) / s.hands : 0;
    f.blockedShare = s.hands > 0 ? double(s.blockedHands) / s.hands : 0;
    return f;
}

std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

void PrintSummary(std::ostream& out, const MatchSummary& s, int32_t players, const GameRules& rules,
                  bool json) {
    const Figures f = Derive(s, rules);
    const bool plain = AreFirstRules(rules);
    // With partners a game's winner is seat 1 for the pair of seats 1 and 3, seat 2 for the other.
    const int64_t pairWins[2] = {s.wins[1] + s.wins[3], s.wins[2] + s.wins[4]};
    if (json) {
        out << R"({"players":)" << players;
        if (!plain) {
            out << R"(,"game":")" << SimGameName(rules.Game) << R"(","partners":)"
                << (rules.Partners != 0 ? "true" : "false") << R"(,"target":)"
                << TargetScore(rules);
        }
        out << R"(,"games":)" << s.games << R"(,"hands":)" << s.hands << R"(,"plays":)" << s.plays
            << R"(,"wins":[)" << s.wins[1] << ',' << s.wins[2] << ',' << s.wins[3] << ','
            << s.wins[4] << R"(],"averageScore":[)";
        for (int player = 1; player <= 4; ++player) {
            out << Format("%.2f", f.averageScore[player]) << (player < 4 ? "," : "]");
        }
        out << R"(,"pointsPerHand":)" << Format("%.3f", f.pointsPerHand) << R"(,"blockedShare":)"
            << Format("%.4f", f.blockedShare);
        if (PlaysInPairs(rules)) {
            out << R"(,"pairWins":[)" << pairWins[0] << ',' << pairWins[1] << ']';
        }
        out << "}\n";
        return;
    }
    out << "players           " << players << "\n";
    if (!plain) {
        out << "game              " << SimGameName(rules.Game) << "\n"
            << "partners          " << (rules.Partners != 0 ? "yes" : "no") << "\n"
            << "target            " << TargetScore(rules) << "\n";
    }
    out << "games             " << s.games << "\n"
        << "hands             " << s.hands << "\n"
        << "plays             " << s.plays << "\n";
    for (int player = 1; player <= 4; ++player) {
        out << "seat " << player << "  wins " << s.wins[player] << "  average score "
            << Format("%.2f", f.averageScore[player]) << "\n";
    }
    out << "points per hand   " << Format("%.3f", f.pointsPerHand) << "\n"
        << "blocked hands     " << Format("%.2f", 100 * f.blockedShare) << "%\n";
    if (PlaysInPairs(rules)) {
        out << "pair of seats 1 and 3  wins " << pairWins[0] << "\n"
            << "pair of seats 2 and 4  wins " << pairWins[1] << "\n";
    }
}

}  // namespace pipwick
