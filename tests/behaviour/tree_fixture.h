// Real directory trees for the copy tests, in a fresh directory below the host's /tmp (drive Z),
// removed again by the destructor.
#pragma once

#include <string>

namespace behaviourtest {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // Windows path of the root, without a trailing "\"; Path("a\\b") is root + "\a\b".
    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }

    void Directory(const std::string& relative) const;
    void File(const std::string& relative, const std::string& content) const;
    // A host symbolic link at `relative` whose target is `linkTarget`, a host path or one relative
    // to the link's directory. False when it could not be made.
    bool HostLink(const std::string& relative, const std::string& linkTarget) const;

private:
    std::string unixRoot_;
    std::string root_;
};

bool Exists(const std::string& path);
bool IsDirectory(const std::string& path);
// The file's content, or "<missing>".
std::string Content(const std::string& path);

}  // namespace behaviourtest
