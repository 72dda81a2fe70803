#include "DecoderRun.h"

#include "FuzzInput.h"
#include "base/Utils.h"
#include "core/ProgramError.h"
#include "document/BlockImage.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"

#include <QLocale>
#include <array>

namespace {

using D = CReplyDecoder;
using PlainDecoder = void (D::*)(const QByteArray&);

/// The decoders that take the reply alone, in the order of their numbers.
constexpr std::array<PlainDecoder, 19> kPlainDecoders = {
    &D::DecodeGrundAnfang,       &D::DecodeGrundEnde,     &D::DecodeMessAnfang,
    &D::DecodeMessEnde,          &D::DecodeOffset,        &D::DecodeSpanne,
    &D::DecodeDaempfung,         &D::DecodeTempDaempfung, &D::DecodeStromgrenzeMin,
    &D::DecodeStromgrenzeMax,    &D::DecodeFehlerstrom,   &D::DecodeTastatursperre,
    &D::DecodeNullpunktsfenster, &D::DecodeTemperatur,    &D::DecodeMesswert,
    &D::DecodeSeriennummer,      &D::DecodeBezeichnung,   &D::DecodeEinheit,
    &D::DecodeLinTabAnzahl,
};

void DecodeWithArgument(CReplyDecoder& decoder, CQuillonDoc& doc, int number, int argument,
                        const QByteArray& reply) {
    switch (number - static_cast<int>(kPlainDecoders.size())) {
    case 0:
        decoder.DecodeFreiBereich(reply, argument);
        break;
    case 1:
        decoder.DecodeDezimalstellen(reply, argument);
        break;
    case 2:
        decoder.DecodeLinTabBlock(reply, argument);
        break;
    case 3:
        decoder.DecodeLinTabPunkt(reply, argument);
        break;
    case 4:
        decoder.DecodeLinTabPunktKA71(reply, argument);
        break;
    case 5:
        doc.SetErweitert(reply);
        break;
    default:
        doc.SetKennung(reply);
        break;
    }
}

} // namespace

void CDecoderRun::PrepareDocument(CQuillonDoc& doc, CFuzzInput& input) {
    doc.SetTyp(input.U8() % 14 - 1);
    doc.SetDezimalstellen(input.I32());
    doc.SetLinTabOption(input.U8() & 1);
    doc.SetEinheit(input.I32());
    doc.SetAnzeigeEinheit(input.I32());
    doc.SetGrundAnfang(input.F32());
    doc.SetGrundEnde(input.F32());
    doc.SetMessAnfang(input.F32());
    doc.SetMessEnde(input.F32());
    doc.SetLinTabAnzahl(input.U8() % (CQuillonDoc::kLinTabPunkte + 1));
    doc.SetFreiDezimalpunkt(input.I32());
    doc.SetFreiAnfang(input.I16());
    doc.SetFreiEnde(input.I16());
}

int CDecoderRun::Argument(quint8 byte) {
    return byte % 42 - 1;
}

void CDecoderRun::Decode(CQuillonDoc& doc, int decoder, int argument, const QByteArray& reply) {
    CReplyDecoder replyDecoder(doc);
    try {
        if (decoder < static_cast<int>(kPlainDecoders.size())) {
            (replyDecoder.*kPlainDecoders[static_cast<size_t>(decoder)])(reply);
        } else {
            DecodeWithArgument(replyDecoder, doc, decoder, argument, reply);
        }
    } catch (const CProgramError&) {
        // A reply too short for its decoder: the command loop reports it and abandons the command.
    }
}

void CDecoderRun::ParseNumbers(const QByteArray& reply, int decimals) {
    try {
        CUtils::ParseReplyValue(reply, decimals);
    } catch (const CProgramError&) {
    }
    try {
        CUtils::ParseReplySigned16(reply, decimals);
    } catch (const CProgramError&) {
    }
    CUtils::ParseText(reply);
    CUtils::ParseText(QString::fromLatin1(reply), QLocale::c());
    CUtils::ParseText(QString::fromLatin1(reply), QLocale(QLocale::German));
    try {
        CUtils::HexToByte(reply);
        CUtils::HexToWord(reply);
        CUtils::HexCharsToWord(reply);
        CUtils::HexToDword(reply);
    } catch (const CProgramError&) {
    }
}

void CDecoderRun::UseDocument(const CQuillonDoc& doc) {
    doc.GetEinheitText();
    doc.GetAnzeigeEinheitText();
    CQuillonDoc::GetTypText(doc.GetTyp());
    doc.GetKennungText();
    doc.GetSeriennummerText();
    doc.GetBezeichnungText();
    doc.GetAnzeigeBereich();
    doc.GetAnzeigeDezimalstellen();
    doc.GetOffsetAnzeige();
    doc.GetNullpunktAnzeige();
    try {
        // A display range beyond 16 bits is refused as a program error.
        doc.ToPerTenThousand(doc.GetMessAnfang());
        doc.FromPerTenThousand(doc.GetMessEnde());
    } catch (const CProgramError&) {
    }
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        CUtils::FormatScaled(doc.GetLinTabX(i), 2);
        CUtils::FormatScaled(doc.GetLinTabY(i), doc.GetDezimalstellen());
    }
    CUtils::FormatScaled(doc.GetMessAnfang(), doc.GetDezimalstellen());
    CUtils::FormatSigned(doc.GetMesswert(0), 10, doc.GetAnzeigeDezimalstellen(), QLocale::c());
    const CBlockImage image(doc);
    image.BuildParameterBlock();
    try {
        image.BuildParameterBlockKA71();
    } catch (const CProgramError&) {
    }
    image.BuildLinTabBlock();
    image.BuildLinTabBlockKA71();
}
