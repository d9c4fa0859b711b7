#pragma once
// Told how far a long operation (loading a page, analysing a course) has come.

#include <string>

namespace velmora {

class ProgressListener {
public:
    virtual ~ProgressListener() = default;
    virtual void progress(const std::wstring& text, const std::wstring& name, int percent) = 0;
};

} // namespace velmora
