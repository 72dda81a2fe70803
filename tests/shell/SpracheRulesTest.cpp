// The language choice: what the dialog shows, what it refuses and what taking a choice does.

#include "shell/SpracheRules.h"

#include "ScriptedOperator.h"
#include "document/MemoryProfileStore.h"
#include "document/QuillonDoc.h"

#include <QTest>

class SpracheRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choiceReachesTheProfileAtTheEnd() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        QCOMPARE(CSpracheRules::Load(doc).nSprache, CSpracheRules::kDeutsch);

        CSpracheRules::Values values{CSpracheRules::kEnglisch};
        QVERIFY(!CSpracheRules::Validate(values));
        const CSpracheRules::Notice notice = CSpracheRules::Apply(values, doc);
        QCOMPARE(notice.text,
                 QStringLiteral("Die Einstellung wird erst nach Neustart\ndes Programms wirksam."));
        QCOMPARE(notice.caption, QStringLiteral("Sprachwahl"));
        QCOMPARE(doc.GetSprache(), CSpracheRules::kEnglisch);
        QCOMPARE(CSpracheRules::Load(doc).nSprache, CSpracheRules::kEnglisch);

        CMemoryProfileStore profile;
        doc.SaveSettings(profile);
        QCOMPARE(profile.GetInt(QStringLiteral("Language"), -1), 1);
    }

    void anythingButTheTwoLanguagesIsRefused() {
        for (const int nSprache : {-1, 2, 99}) {
            const std::optional<ValidationProblem> problem = CSpracheRules::Validate({nSprache});
            QVERIFY(problem);
            QVERIFY(problem->Is(CSpracheRules::Field::Sprache));
            QCOMPARE(problem->kind, ValidationProblem::Kind::Error);
        }
    }
};

QTEST_GUILESS_MAIN(SpracheRulesTest)
#include "SpracheRulesTest.moc"
