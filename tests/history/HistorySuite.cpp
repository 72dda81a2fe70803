#include "HistorySuite.h"

#include "ScriptedOperator.h"
#include "document/DocumentFile.h"
#include "history/HistoryStore.h"

#include <QTest>

CHistoryEvent SampleEvent(const QByteArray& seriennummer, const QByteArray& bezeichnung,
                          CHistoryEvent::Operation operation) {
    CParameterSatz satz;
    satz.m_nTyp = 2;
    satz.m_strSeriennummer = seriennummer;
    satz.m_strBezeichnung = bezeichnung;
    satz.m_fDaempfung = 2.5f;
    CHistoryEvent event = CHistoryEvent();
    event.operation = operation;
    event.nTyp = satz.m_nTyp;
    event.seriennummer = seriennummer;
    event.bezeichnung = bezeichnung;
    event.kennung = "RX31 V2.1";
    event.after = satz;
    return event;
}

void CheckWriteListAndRead(CHistoryStore& store) {
    const QDateTime t0 = QDateTime::currentDateTimeUtc().addSecs(-100);
    // Two transmitters; the second's tag changes (an umlaut in the code page) between its events.
    CHistoryEvent first = SampleEvent("100001.01.001", "PT-101");
    first.timeUtc = t0;
    CHistoryEvent failed = SampleEvent("100002.02.002", "PT-200", CHistoryEvent::Operation::Send);
    failed.timeUtc = t0.addSecs(10);
    failed.outcome = CHistoryEvent::Outcome::Failed;
    failed.message = QStringLiteral("Sendefehler!");
    failed.traceTail = {QStringLiteral("TX 02 31"), QStringLiteral("RX -")};
    failed.before = failed.after;
    failed.before->m_fDaempfung = 1.0f;
    failed.station = QStringLiteral("Prüfplatz 3"); // the event's own station is kept
    CHistoryEvent calibration =
        SampleEvent("100002.02.002", "PT-2\xe4\x30", CHistoryEvent::Operation::AnalogCalibration);
    calibration.timeUtc = t0.addSecs(20);
    calibration.after.reset();
    calibration.words = {0, 4095, 65535};
    calibration.detailJson = QStringLiteral("{\"points\":2}");
    const qint64 firstId = store.Record(first);
    const qint64 failedId = store.Record(failed);
    const qint64 calibrationId = store.Record(calibration);
    QVERIFY(firstId > 0 && failedId > firstId && calibrationId > failedId);

    const QList<CHistoryTransmitter> all = store.Transmitters();
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(0).seriennummer, QByteArray("100002.02.002")); // last seen first
    QCOMPARE(all.at(0).bezeichnung, calibration.bezeichnung);
    QCOMPARE(all.at(0).nEvents, 2);
    QCOMPARE(all.at(0).lastSeenUtc, calibration.timeUtc.toUTC());
    QCOMPARE(all.at(1).nEvents, 1);
    // Filter: part of a serial number or tag, any case; LIKE's wildcards are plain characters.
    for (const auto& [filter, count] :
         {std::pair{QStringLiteral("pt-1"), 1}, std::pair{QStringLiteral("02.0"), 1},
          std::pair{QStringLiteral("%"), 0}, std::pair{QStringLiteral("_"), 0},
          std::pair{QStringLiteral("0000"), 2}}) {
        QVERIFY2(store.Transmitters(filter).size() == count, qPrintable(filter));
    }

    CHistoryFilter bySerial;
    bySerial.seriennummer = QByteArray("100002.02.002");
    const QList<CHistoryRecord> events = store.Events(bySerial);
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).id, calibrationId); // newest first
    QCOMPARE(events.at(1).event.station, failed.station);
    QVERIFY(events.at(0).afterFile.isEmpty()); // listings carry no sets
    CHistoryFilter since;
    since.sinceUtc = t0.addSecs(5);
    QCOMPARE(store.Events(since).size(), 2);
    QCOMPARE(store.Events(CHistoryFilter()).size(), 3);

    const std::optional<CHistoryRecord> read = store.Event(failedId);
    QVERIFY(read.has_value());
    const CHistoryEvent& back = read->event;
    QCOMPARE(back.operation, CHistoryEvent::Operation::Send);
    QCOMPARE(back.outcome, CHistoryEvent::Outcome::Failed);
    QCOMPARE(back.message, failed.message);
    QCOMPARE(back.traceTail, failed.traceTail);
    QCOMPARE(back.kennung, failed.kennung);
    QCOMPARE(back.timeUtc, failed.timeUtc.toUTC());
    QVERIFY(!back.user.isEmpty() && !back.version.isEmpty());
    // The sets come back as document files that load as the sets recorded.
    CScriptedOperator op;
    for (const auto& [file, expected] :
         {std::pair{read->beforeFile, *failed.before}, std::pair{read->afterFile, *failed.after}}) {
        CParameterSatz loaded;
        QCOMPARE(CDocumentFile::Load(file, loaded, op), CDocumentFile::Result::Loaded);
        QCOMPARE(loaded.m_fDaempfung, expected.m_fDaempfung);
        QCOMPARE(loaded.m_strBezeichnung, expected.m_strBezeichnung);
    }
    const std::optional<CHistoryRecord> words = store.Event(calibrationId);
    QVERIFY(words.has_value());
    QCOMPARE(words->event.words, calibration.words);
    QCOMPARE(words->event.detailJson, calibration.detailJson);
    QVERIFY(words->afterFile.isEmpty());
    QVERIFY(!store.Event(calibrationId + 1000).has_value());

    // An operation that reads no tag (a calibration record read) leaves the list's tag as last seen.
    CHistoryEvent untagged = SampleEvent("100001.01.001", "", CHistoryEvent::Operation::CalibrationRead);
    untagged.after.reset();
    QVERIFY(store.Record(untagged) > 0);
    QCOMPARE(store.Transmitters(QStringLiteral("100001")).value(0).bezeichnung, QByteArray("PT-101"));
}
