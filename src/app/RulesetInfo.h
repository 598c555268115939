#pragma once

// The wall constants of one rule set.
class RulesetInfo
{
public:
    // Rule set ids, as the server and the lobby's rules filters use them.
    enum id_t {
        CLASSIC = 0,
        MCR = 1,
        EMA_RIICHI = 2,
        JAPANESE_RIICHI = 3,
        KANSAI_RIICHI = 4,
        HONG_KONG = 5,
    };
    static constexpr int Count = 6;
    // The most tiles a wall holds, live and dead, in any rule set.
    static constexpr int MaxWallTiles = 144;

    virtual ~RulesetInfo() = default;

    // Tiles of the dead wall.
    virtual int deadWallSize() const = 0;
    // Tiles that can be drawn from the live wall.
    virtual int liveWallSize() const = 0;
    // Stacks on one side of the wall.
    virtual int wallStackLength() const = 0;
    // 1 for the riichi rule sets, else 0.
    virtual int isRiichi() const = 0;
};

// The families of rule sets whose players name the hands and their scores alike.
enum class RuleFamily {
    Riichi,          // EMA, Japanese and Kansai riichi
    ClassicHongKong, // Classic and Hong Kong
    Mcr,
};

// The family of a rule set id; a rule set the client does not know reads the riichi
// family's words, which are the texts without a family of their own.
RuleFamily ruleFamily(int rulesetId);

// The process-wide RulesetInfo of a rule set id; throws std::runtime_error
// "Ruleset not supported" for any other id.
const RulesetInfo &RulesetInfoInstance(int id);
