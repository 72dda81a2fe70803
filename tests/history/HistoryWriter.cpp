// A program that records events into a history file until it is killed: the tests kill it at random
// instants and then open the file. It says "ready" once the first event is stored.

#include "HistorySuite.h"
#include "ScriptedOperator.h"
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    CScriptedOperator op;
    CHistoryStore store(
        op, {QStringLiteral("writer"), QStringLiteral("u"), QStringLiteral("cli"), QStringLiteral("1")});
    CHistoryLocation location;
    location.localPath = QString::fromLocal8Bit(argv[1]);
    if (!store.Open(location)) {
        return 1;
    }
    for (int n = 0;; ++n) {
        if (store.Record(SampleEvent("KILL." + QByteArray::number(n % 7), "TAG")) == 0) {
            return 1;
        }
        if (n == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
