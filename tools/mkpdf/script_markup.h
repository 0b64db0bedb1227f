#pragma once
// Raised and lowered text in the Markdown sources: "10^{−5}" prints the −5 as
// a superscript, "ρ_{0}" the 0 as a subscript. Unicode has ready-made
// superscript digits, but the serif face lacks most of them (only ¹ ² ³), and
// a fallback face would show up in the middle of a formula.

class QTextDocument;

namespace velunta::mkpdf {

// Turns every ^{...} and _{...} outside code spans into raised or lowered text.
void applyScriptMarkup(QTextDocument& doc);

}  // namespace velunta::mkpdf
