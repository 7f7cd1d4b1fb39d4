#pragma once

#include "core/doc/line_store.h"
#include "core/doc/text_pos.h"

#include <cstdint>
#include <string>
#include <vector>

enum UndoType : std::uint8_t {
    UNDO_INSERT = 1,
    UNDO_DELETE = 2,
    UNDO_TYPING = 4,
    UNDO_SNAPSHOT = 5,
    UNDO_INDENT = 6,
    UNDO_UNINDENT = 7,
};

// One step of a document's undo history.
//  insert, delete, typing: the range start..end and its text;
//  snapshot: start is the caret when it was taken, end the caret to restore,
//            lines a copy of the whole text, bookmarks its lines' marks;
//  indent, unindent: the block firstLine..lastLine, end the caret to restore,
//            lines the block's lines as they were before the change.
// Text is kept in its exact form (a line's own CR as "\r\0"). A record that
// joins the one before it is undone and redone together with it, as one step.
struct UndoRecord {
    std::uint8_t type = 0;
    TextPos start;
    TextPos end;
    std::string text;
    LineStore lines;
    std::vector<bool> bookmarks;
    int firstLine = 0;
    int lastLine = 0;
    bool joinsPrevious = false;
};
