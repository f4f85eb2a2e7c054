#pragma once

class Quillory;

// Where the recent documents are kept between runs. The main window loads
// them when it is created and saves them when it is destroyed.
class RecentDocsStore
{
public:
    virtual ~RecentDocsStore() = default;
    virtual void load(Quillory& doc) = 0;
    virtual void save(const Quillory& doc) = 0;
};
