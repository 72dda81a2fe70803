#pragma once

class CQuillonDoc;

/// What the enabling rules look at: the view's ready flag and three facts of the document.
struct CommandState {
    bool bBereit = true;
    bool bGueltig = false;
    int nTyp = 0;
    bool bAbgleichGueltig = false;

    static CommandState Of(const CQuillonDoc& doc, bool bBereit);
};
