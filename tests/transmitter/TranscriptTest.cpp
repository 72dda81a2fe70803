// One stored transcript per transmitter type: the receive of the simulator's default device and the send
// of an edited parameter set, as the line and the progress window see them (request command and payload,
// reply data, RTS edges, progress texts and bar positions, messages, each with its virtual time). A change
// to a step table, a wait or an encoding shows up as a readable diff of tests/transmitter/transcripts/.
//
// After a deliberate change, regenerate the files and review the diff:
//     QUILLON_UPDATE_TRANSCRIPTS=1 build/bin/TranscriptTest

#include "ParameterSetEdits.h"
#include "SequenceRig.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

/// The reserve word of the 2-wire image is 0 in every real device; a value that is not 0 shows whether
/// the send writes it or, for the types without it, writes 0 instead.
constexpr qint16 kReserve = 3;

QString Quoted(const QByteArray& bytes) {
    QString text = QStringLiteral("\"");
    for (const char c : bytes) {
        const auto byte = static_cast<quint8>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            text += QLatin1Char(c);
        } else {
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        }
    }
    return text + QLatin1Char('"');
}

/// A line of the simulator's trace as the transcript shows it; an empty text for lines it leaves out.
QString FromTrace(const QString& line) {
    if (line.startsWith(QLatin1String("REQ ")) && !line.contains(QLatin1String("broken"))) {
        const QByteArray frame = QByteArray::fromHex(line.mid(4).toLatin1());
        const int length = static_cast<quint8>(frame.at(1));
        return QStringLiteral("> %1 %2")
            .arg(static_cast<quint8>(frame.at(2)), 2, 16, QLatin1Char('0'))
            .arg(Quoted(frame.mid(3, length - 3)))
            .toUpper();
    }
    if (line.startsWith(QLatin1String("ANS "))) {
        const QByteArray frame = QByteArray::fromHex(line.mid(4).toLatin1());
        const int length = static_cast<quint8>(frame.at(1));
        return QStringLiteral("< %1").arg(Quoted(frame.mid(2, length - 2)));
    }
    if (line.startsWith(QLatin1String("RTS "))) {
        return line.section(QLatin1Char(':'), 0, 0);
    }
    return line.trimmed();
}

QString TranscriptPath(int typ) {
    return QStringLiteral(QUILLON_TRANSCRIPT_DIR "/type%1.txt").arg(typ);
}

} // namespace

class TranscriptTest : public QObject {
    Q_OBJECT

public:
    /// The receive and the send of one type, as the transcript file holds them.
    static QStringList Record(int typ) {
        // The 3-wire RX26 has no interface mode: it only works on the old interface.
        const CSimInterface::Kind kind = typ == 4 ? CSimInterface::Kind::PL40 : CSimInterface::Kind::PL45;
        CSequenceRig rig(typ, kind);
        QStringList lines;
        const auto note = [&lines, &rig](const QString& line) {
            if (!line.isEmpty()) {
                QString shown = line;
                shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
                lines.append(QStringLiteral("@%1 %2").arg(rig.clock.NowMs(), 6).arg(shown));
            }
        };
        rig.op.journal = note;
        rig.sim.SetTrace([&note](const QString& line) { note(FromTrace(line)); });

        lines.append(
            QStringLiteral("== type %1, %2: receive")
                .arg(typ)
                .arg(kind == CSimInterface::Kind::PL45 ? QStringLiteral("PL45") : QStringLiteral("PL40")));
        const bool bReceived = rig.transfer.ReceiveParameterSet();
        lines.append(
            QStringLiteral("== received: %1, port %2")
                .arg(bReceived ? QStringLiteral("yes") : QStringLiteral("no"))
                .arg(rig.link.Sio().IsPortOpen() ? QStringLiteral("open") : QStringLiteral("closed")));

        EditParameterSet(rig.doc);
        rig.doc.SetReserve(kReserve);
        rig.op.Answer(IOperator::Answer::Yes);
        lines.append(QStringLiteral("== send"));
        const CParameterTransfer::SendResult result = rig.transfer.SendParameterSet();
        lines.append(
            QStringLiteral("== sent: %1, port %2")
                .arg(result == CParameterTransfer::SendResult::Sent ? QStringLiteral("yes")
                                                                    : QStringLiteral("no"))
                .arg(rig.link.Sio().IsPortOpen() ? QStringLiteral("open") : QStringLiteral("closed")));
        return lines;
    }

private Q_SLOTS:
    void everyType_data() {
        QTest::addColumn<int>("typ");
        for (int typ = 0; typ <= 10; ++typ) {
            QTest::addRow("type %d", typ) << typ;
        }
    }

    void everyType() {
        QFETCH(int, typ);
        const QStringList actual = Record(typ);
        QFile file(TranscriptPath(typ));
        if (qEnvironmentVariableIsSet("QUILLON_UPDATE_TRANSCRIPTS")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual.join(QLatin1Char('\n')).toUtf8() + '\n');
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QStringList expected =
            QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < qMin(expected.size(), actual.size()); ++i) {
            QVERIFY2(actual.at(i) == expected.at(i),
                     qPrintable(QStringLiteral("%1 line %2\n  stored: %3\n  now:    %4")
                                    .arg(file.fileName())
                                    .arg(i + 1)
                                    .arg(expected.at(i), actual.at(i))));
        }
        QCOMPARE(actual.size(), expected.size());
    }
};

QTEST_GUILESS_MAIN(TranscriptTest)
#include "TranscriptTest.moc"
