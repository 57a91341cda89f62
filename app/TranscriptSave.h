#pragma once
// The panels' "Save to File" button: asks for a text file and writes the
// transcript into it.

namespace dalto {

struct AppContext;
class TranscriptTarget;

// A save that fails leaves any earlier file as it was and tells the user why.
void SaveTranscriptToFile(AppContext& context, const TranscriptTarget& transcript);

} // namespace dalto
