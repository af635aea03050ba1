#pragma once
// Replacing a file so that a crash, a kill or a full disk never leaves a half-written file behind:
// the new contents go to a fresh file beside the target, are flushed to disk, and only then renamed
// over the target. Whoever reads the target sees either the old file or the complete new one.

#include <string>

namespace orvan {

// Writes `inhoud` to `pad` as above. A symbolic link at `pad` is followed, so the file it points
// to is replaced; an existing file keeps its permissions. False with the reason in `fout` when
// any step fails: the target is then untouched and no temporary file remains.
bool SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud, std::string& fout);

}  // namespace orvan
