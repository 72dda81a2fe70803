#pragma once

class CQuillonDoc;

/// Changes every value the send writes for the document's type, each to a value the wire carries exactly
/// (on the grid of the decimals, on the KA71's 0 to 10000 scale), with a three-point table.
void EditParameterSet(CQuillonDoc& doc);

/// Compares the fields the send writes for the type of expected (QCOMPARE; check
/// QTest::currentTestFailed() afterwards).
void CompareWrittenFields(const CQuillonDoc& expected, const CQuillonDoc& actual);
