#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/// What the simulator knows about each transmitter family: the models it can stand in for, where each
/// family keeps its values in its parameter area and in its calibration words, and the state a fresh
/// device leaves the factory with.
///
/// The parameter area of every family is laid out as the block image the program writes with 0x86
/// (words low byte first); types 0 and 1, which are written by single commands, keep their values in the
/// same layout as the 2-wire types. The table area holds the point count and 30 points of two longs.
/// Calibration words follow the factory layout of each family. The older RX89 family (types 0 and 1)
/// keeps its temperature compensation in words 0 to 53; where it keeps range, unit and serial text is
/// not visible from outside, so the simulator places them in words 54 to 81, inside the 83 words the
/// program reads from such a transmitter.
class CSimCatalogue {
public:
    static constexpr int kTypeCount = 11;
    static constexpr int kKA71 = 10;
    static constexpr int kVN62 = 7;
    static constexpr int kCalWords = 160;
    static constexpr int kParameterBytes = 64;
    static constexpr int kTableBytes = 256;
    static constexpr int kTablePoints = 30;
    static constexpr int kTagLength = 20;
    static constexpr int kSerialLength = 16;
    static constexpr int kNone = -1;

    /// A model a trainer or a test can pick by name: a type with an identification that derives it.
    struct Model {
        const char* name;
        int nTyp;
        const char* kennung;
        const char* description;
    };

    /// Word indices of the values in the parameter area (kNone where the family has no such value),
    /// and the byte offset of the 20 tag characters.
    struct ParamLayout {
        int ma;
        int me;
        int reserve;
        int daempfung;
        int tempDaempfung;
        int offset;
        int spanne;
        int stromMin;
        int stromMax;
        int fehlerstrom;
        int tastatursperre;
        int tagByte;
        int nullpunkt;
        int anzeigeEinheit;
        int freiDezimalpunkt;
        int freiAnfang;
        int freiEnde;
        int medium;
    };

    /// Word numbers of the calibration values (first word of a group; kNone where absent).
    struct CalLayout {
        int adc;
        int dac;
        int tempAdc;
        int werksOffset;
        int werksSpanne;
        int kommaPos;
        int bereichAnfang;
        int bereichEnde;
        int gain;
        int einheit;
        int enable;
        int enableCopy;
        int serial;
        int abglBereich;
        int tempAdc2;
        int adc2;
        int dac2;
        int werksOffset2;
        int werksSpanne2;
    };

    /// The base measuring range a fresh device of a type is made for, in digits with its decimals.
    struct Range {
        int einheit;
        int dezimalstellen;
        int anfang;
        int ende;
    };

    static const QList<Model>& Models();
    /// The model of that name (case-insensitive), or nullptr.
    static const Model* FindModel(const QString& name);
    /// The identification of the default model of a type.
    static QByteArray DefaultKennung(int nTyp);
    /// The type an identification names, by its model code; fallback when it names none.
    static int TypFromKennung(const QByteArray& kennung, int fallback);
    /// Whether the identification offers the extended set (KA71, or an RX31 from version 309 on).
    static bool IsErweitert(const QByteArray& kennung);

    static const ParamLayout& Param(int nTyp);
    static const CalLayout& Cal(int nTyp, bool bErweitert);
    static Range DefaultRange(int nTyp);
    static QByteArray DefaultTag(int nTyp);
    static QByteArray DefaultSerial(int nTyp);

    static bool IsValidTyp(int nTyp);
    static bool IsDreiLeiter(int nTyp);
    /// Types that only talk after a restart through the RTS line (the program resets them on connect).
    static bool NeedsReset(int nTyp);
    /// Types whose table is written and read in blocks of three 16-bit points (0x4F, 0x3F "0".."9").
    static bool HasBlockTable(int nTyp);
};
