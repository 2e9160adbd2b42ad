#include "tests/support/stand_in_calls.h"

#include <cstdio>

#include "engine/object/recorded_calls/message_stream.h"

enum ArgumentKind
{
    ARGUMENT_FIVE_BITS,
    ARGUMENT_BOOL,
    ARGUMENT_BYTE,
    ARGUMENT_INT,
    ARGUMENT_INT64,
    ARGUMENT_ASCII,
    ARGUMENT_WIDE_STRING,
    ARGUMENT_RANGED_0_TO_4,
    ARGUMENT_SOUND,
    ARGUMENT_SCREEN_POINT,
    ARGUMENT_OFFSET_POINT
};

struct StandInSignature
{
    const char* name;
    std::vector<ArgumentKind> arguments;
};

static const StandInSignature s_Signatures[] = {
    { "!StandIn::DrawSpriteFromStream", { ARGUMENT_SCREEN_POINT, ARGUMENT_FIVE_BITS, ARGUMENT_BOOL } },
    { "!StandIn::PlaySoundFromStream", { ARGUMENT_SOUND, ARGUMENT_BYTE, ARGUMENT_BOOL } },
    { "!StandIn::SpawnSparksFromStream", { ARGUMENT_OFFSET_POINT, ARGUMENT_RANGED_0_TO_4, ARGUMENT_INT, ARGUMENT_INT64 } },
    { "!StandIn::ShowTextFromStream", { ARGUMENT_ASCII, ARGUMENT_WIDE_STRING, ARGUMENT_BOOL, ARGUMENT_SOUND } },
    { "!StandIn::DrawMidLayerFromStream", {} },
};

static CStandInCalls* s_pActive = nullptr;

CTestNameList& GetStandInSoundList()
{
    static CTestNameList list({ "Bounce.wav", "Brick Break.wav", "Extra Ball.wav", "Laser.wav", "Power Up.wav",
                                "Ring.wav", "Ship Explode.wav" });
    return list;
}

static std::string Hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof(text), "%llx", static_cast<unsigned long long>(value));
    return text;
}

// By characters, not bytes: an empty 16-bit text comes back as an empty
// 8-bit one, and that is no difference to a replay.
static std::string DescribeText(const CString& text)
{
    std::string units = "'";
    for (uint32_t i = 0; i < text.GetLength(); i++)
        units += Hex(text.GetAt(i)) + ".";
    return units + "'";
}

static std::string DescribePoint(const Vector2& point)
{
    return std::to_string(static_cast<int32_t>(point.x)) + ":" + std::to_string(static_cast<int32_t>(point.y));
}

static std::string ReadArgument(CMessageStream& stream, ArgumentKind kind)
{
    switch (kind)
    {
    case ARGUMENT_FIVE_BITS:
        return std::to_string(stream.ReadBits(5));
    case ARGUMENT_BOOL:
    {
        bool value = false;
        stream.ReadBool(value);
        return value ? "1" : "0";
    }
    case ARGUMENT_BYTE:
    {
        uint8_t value = 0;
        stream.ReadByte(value);
        return std::to_string(value);
    }
    case ARGUMENT_INT:
    {
        int32_t value = 0;
        stream.ReadInt(value);
        return std::to_string(value);
    }
    case ARGUMENT_INT64:
    {
        int64_t value = 0;
        stream.ReadInt64(value);
        return std::to_string(value);
    }
    case ARGUMENT_ASCII:
    {
        CString text;
        stream.ReadAsciiString(text);
        return DescribeText(text);
    }
    case ARGUMENT_WIDE_STRING:
    {
        CString text;
        stream.ReadString(text);
        return DescribeText(text);
    }
    case ARGUMENT_RANGED_0_TO_4:
        return std::to_string(stream.ReadRangedValue(4));
    case ARGUMENT_SOUND:
        return GetStandInSoundList().GetName(static_cast<uint32_t>(stream.ReadSymbol(GetStandInSoundList())));
    case ARGUMENT_SCREEN_POINT:
    case ARGUMENT_OFFSET_POINT:
    {
        Vector2 point = { 0.0f, 0.0f };
        if (kind == ARGUMENT_SCREEN_POINT)
            stream.ReadCoordinatePair(point, 0, 800, 0, 600);
        else
            stream.ReadCoordinatePair(point, -100, 100, 0, 0);
        return DescribePoint(point);
    }
    }
    return "?";
}

static CString RandomAscii(std::mt19937& random)
{
    std::string characters;
    for (uint32_t length = random() % 12; length != 0; length--)
        characters += static_cast<char>(' ' + random() % 95);
    return CString(characters.c_str());
}

static CString RandomWideText(std::mt19937& random)
{
    std::u16string units;
    for (uint32_t length = random() % 12; length != 0; length--)
        units += static_cast<char16_t>(random() % 2 ? 0x100 + random() % 0x700 : 'a' + random() % 26);
    return CString(units.c_str());
}

static std::string WriteArgument(CMessageStream& stream, ArgumentKind kind, std::mt19937& random)
{
    switch (kind)
    {
    case ARGUMENT_FIVE_BITS:
    {
        const uint32_t value = random() % 32;
        stream.WriteBits(value, 5);
        return std::to_string(value);
    }
    case ARGUMENT_BOOL:
    {
        const bool value = random() % 2 != 0;
        stream.WriteBool(value);
        return value ? "1" : "0";
    }
    case ARGUMENT_BYTE:
    {
        const uint8_t value = static_cast<uint8_t>(random());
        stream.WriteByte(value);
        return std::to_string(value);
    }
    case ARGUMENT_INT:
    {
        const int32_t value = static_cast<int32_t>(random());
        stream.WriteInt(value);
        return std::to_string(value);
    }
    case ARGUMENT_INT64:
    {
        const int64_t value = static_cast<int64_t>(static_cast<uint64_t>(random()) << 32 | random());
        stream.WriteInt64(value);
        return std::to_string(value);
    }
    case ARGUMENT_ASCII:
    {
        const CString text = RandomAscii(random);
        stream.WriteAsciiString(text.GetText());
        return DescribeText(text);
    }
    case ARGUMENT_WIDE_STRING:
    {
        const CString text = RandomWideText(random);
        stream.WriteString(text);
        return DescribeText(text);
    }
    case ARGUMENT_RANGED_0_TO_4:
    {
        const uint32_t value = random() % 5;
        stream.WriteRangedValue(value, 4);
        return std::to_string(value);
    }
    case ARGUMENT_SOUND:
    {
        const uint32_t index = random() % GetStandInSoundList().GetCount();
        stream.WriteSymbol(static_cast<int32_t>(index), GetStandInSoundList());
        return GetStandInSoundList().GetName(index);
    }
    case ARGUMENT_SCREEN_POINT:
    {
        const Vector2 point = { static_cast<float>(random() % 801), static_cast<float>(random() % 601) };
        stream.WriteCoordinatePair(point, 0, 800, 0, 600);
        return DescribePoint(point);
    }
    case ARGUMENT_OFFSET_POINT:
    {
        const Vector2 point = { static_cast<float>(random() % 201) - 100.0f, static_cast<float>(random() % 201) - 100.0f };
        stream.WriteCoordinatePair(point, -100, 100, 0, 0);
        return DescribePoint(point);
    }
    }
    return "?";
}

template <uint32_t Call>
static void ReplayStandIn(CMessageStream& stream)
{
    std::string line = std::string(s_Signatures[Call].name) + " ";
    for (ArgumentKind kind : s_Signatures[Call].arguments)
        line += ReadArgument(stream, kind) + ",";
    if (s_pActive != nullptr)
        s_pActive->replayed.push_back(line);
}

static const StreamReplayFunction s_ReplayFunctions[] = { ReplayStandIn<0>, ReplayStandIn<1>, ReplayStandIn<2>,
                                                          ReplayStandIn<3>, ReplayStandIn<4> };
static_assert(sizeof(s_ReplayFunctions) / sizeof(s_ReplayFunctions[0]) ==
              sizeof(s_Signatures) / sizeof(s_Signatures[0]));

CStandInCalls::CStandInCalls()
{
    for (uint32_t i = 0; i < sizeof(s_Signatures) / sizeof(s_Signatures[0]); i++)
        m_Calls.push_back(std::make_unique<CCallbackStreamCall>(s_ReplayFunctions[i], s_Signatures[i].name, 3));
    s_pActive = this;
}

CStandInCalls::~CStandInCalls()
{
    s_pActive = nullptr;
}

void CStandInCalls::Record(CMessageStream& stream, uint32_t call, std::mt19937& random)
{
    if (!stream.BeginMessage(*m_Calls[call], MESSAGE_KIND_GAME_CALL))
        return;
    std::string line = std::string(s_Signatures[call].name) + " ";
    for (ArgumentKind kind : s_Signatures[call].arguments)
        line += WriteArgument(stream, kind, random) + ",";
    recorded.push_back(line);
}
