#include "document/BlockImage.h"

#include "base/Utils.h"
#include "document/QuillonDoc.h"

#include <initializer_list>

namespace {

constexpr qsizetype kBezeichnungLaenge = 20;
/// A word the transmitter keeps free between the tag and the zero window.
constexpr char kFreiesWort[] = "0000";

qint32 R(double x) {
    return CUtils::RoundToInt(x);
}

} // namespace

CBlockImage::CBlockImage(const CQuillonDoc& doc)
    : m_doc(doc) {}

QByteArray CBlockImage::Word(qint32 value) {
    return CUtils::WordToHexLowFirst(static_cast<quint16>(value));
}

QByteArray CBlockImage::Long(qint32 value) {
    return CUtils::DwordToHexLowFirst(static_cast<quint32>(value));
}

QByteArray CBlockImage::Bezeichnung() const {
    const QByteArray tag =
        m_doc.GetBezeichnung().left(kBezeichnungLaenge).leftJustified(kBezeichnungLaenge, ' ');
    QByteArray hex;
    for (const char c : tag) {
        hex += CUtils::ByteToHex(static_cast<quint8>(c));
    }
    return hex;
}

QByteArray CBlockImage::GemeinsameWorte() const {
    const double p = CUtils::PowerOfTen(m_doc.GetDezimalstellen());
    QByteArray image;
    for (const qint32 word : {R(m_doc.GetOffset() * p), R(10000.0 - m_doc.GetSpanne() * 100.0),
                              R(m_doc.GetStromgrenzeMin() * 100.0), R(m_doc.GetStromgrenzeMax() * 100.0),
                              R(m_doc.GetFehlerstrom() * 100.0), qint32{m_doc.GetTastatursperre()}}) {
        image += Word(word);
    }
    return image;
}

QByteArray CBlockImage::BuildParameterBlock() const {
    const double p = CUtils::PowerOfTen(m_doc.GetDezimalstellen());
    QByteArray image;
    for (const qint32 word :
         {R(m_doc.GetMessAnfang() * p), R(m_doc.GetMessEnde() * p), qint32{m_doc.GetReserve()},
          R(m_doc.GetDaempfung() * 10.0), R(m_doc.GetTempDaempfung() * 10.0)}) {
        image += Word(word);
    }
    image += GemeinsameWorte();
    image += Bezeichnung();
    image += kFreiesWort;
    image += Word(m_doc.GetNullpunktsfenster());
    return image;
}

QByteArray CBlockImage::BuildParameterBlockKA71() const {
    QByteArray image;
    for (const qint32 word :
         {R(m_doc.ToPerTenThousand(m_doc.GetMessAnfang())), R(m_doc.ToPerTenThousand(m_doc.GetMessEnde())),
          R(m_doc.GetDaempfung() * 10.0)}) {
        image += Word(word);
    }
    image += GemeinsameWorte();
    image += Bezeichnung();
    image += kFreiesWort;
    for (const qint32 word : {qint32{m_doc.GetNullpunktsfenster()}, qint32{m_doc.GetAnzeigeEinheit()},
                              qint32{m_doc.GetFreiDezimalpunkt()}, qint32{m_doc.GetFreiAnfang()},
                              qint32{m_doc.GetFreiEnde()}, qint32{m_doc.GetMedium()}}) {
        image += Word(word);
    }
    return image;
}

QByteArray CBlockImage::BuildLinTabBlock() const {
    const double anfang = m_doc.GetMessAnfang();
    const double spanne = m_doc.GetMessEnde() - anfang;
    QByteArray image = Word(m_doc.GetLinTabAnzahl());
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        // 4 to 20 mA map to 0 to 100000, the set range to 0 to 100000.
        image += Long(R((m_doc.GetLinTabX(i) - 4.0) * 0.0625 * 100000.0));
        image += Long(R((m_doc.GetLinTabY(i) - anfang) / spanne * 100000.0));
    }
    return image;
}

QByteArray CBlockImage::BuildLinTabBlockKA71() const {
    QByteArray image = Word(m_doc.GetLinTabAnzahl());
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        image += Long(R(m_doc.GetLinTabX(i)));
        image += Long(R(m_doc.GetLinTabY(i)));
    }
    return image;
}
