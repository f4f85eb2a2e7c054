#include "model/Setting.h"

#include <algorithm>
#include <climits>

#include "base/Assert.h"
#include "stream/Primitives.h"

Setting::Setting(const Outline& outline)
    : _timeOut(0),
      _shuffle(false),
      _continuous(false),
      _caseSensitive(false),
      _numChoices(3),
      _fromDir(TERM),
      _toDir(EVERYTHING_ELSE),
      _fromField(0),
      _toField(0),
      _outline(outline)
{
}

Setting& Setting::operator=(const Setting& other)
{
    _timeOut = other._timeOut;
    _shuffle = other._shuffle;
    _continuous = other._continuous;
    _caseSensitive = other._caseSensitive;
    _numChoices = other._numChoices;
    _fromDir = other._fromDir;
    _toDir = other._toDir;
    _fromField = other._fromField;
    _toField = other._toField;
    validate();
    return *this;
}

void Setting::setTimeOut(int timeOut)
{
    Assert((timeOut>=TimeOutMin && timeOut<=TimeOutMax) || timeOut==0);
    _timeOut = timeOut;
}

unsigned Setting::getFromField() const
{
    Assert(_fromDir==FIELD);
    return static_cast<unsigned>(_fromField);
}

void Setting::setFromField(unsigned idx)
{
    Assert(idx<=INT_MAX);
    _fromDir = FIELD;
    _fromField = static_cast<std::int32_t>(idx);
}

unsigned Setting::getToField() const
{
    Assert(_toDir==FIELD);
    return static_cast<unsigned>(_toField);
}

void Setting::setToField(unsigned idx)
{
    Assert(idx<=INT_MAX);
    _toDir = FIELD;
    _toField = static_cast<std::int32_t>(idx);
}

namespace
{
    bool namesField(std::int32_t idx, const Outline& outline)
    {
        return idx >= 0 && static_cast<unsigned>(idx) < outline.getDefCount();
    }
}

void Setting::validate()
{
    if (_fromDir == FIELD && !namesField(_fromField, _outline))
        _fromDir = TERM;
    if (_toDir == FIELD && !namesField(_toField, _outline))
        _toDir = EVERYTHING_ELSE;
}

void Setting::write(WinFile::Serializer& out) const
{
    WinFile::writeInt(out, _timeOut);
    WinFile::writeBool(out, _shuffle);
    WinFile::writeBool(out, _continuous);
    WinFile::writeBool(out, _caseSensitive);
    WinFile::writeInt(out, _numChoices);
    WinFile::writeInt(out, _fromDir);
    WinFile::writeInt(out, _toDir);
    WinFile::writeInt(out, _fromField);
    WinFile::writeInt(out, _toField);
}

namespace
{
    Setting::Direction fromDirOf(std::int32_t kind)
    {
        switch (kind)
        {
        case Setting::FIELD: return Setting::FIELD;
        case Setting::ANYTHING: return Setting::ANYTHING;
        default: return Setting::TERM;   // EVERYTHING_ELSE cannot be asked
        }
    }

    Setting::Direction toDirOf(std::int32_t kind)
    {
        switch (kind)
        {
        case Setting::TERM: return Setting::TERM;
        case Setting::FIELD: return Setting::FIELD;
        case Setting::ANYTHING: return Setting::ANYTHING;
        default: return Setting::EVERYTHING_ELSE;
        }
    }

    std::int32_t nearestTimeOut(std::int32_t timeOut)
    {
        if (timeOut <= 0)
            return 0;
        return std::clamp<std::int32_t>(timeOut, Setting::TimeOutMin, Setting::TimeOutMax);
    }
}

void Setting::read(WinFile::DeSerializer& in)
{
    _timeOut = nearestTimeOut(WinFile::readInt(in));
    _shuffle = WinFile::readBool(in);
    _continuous = WinFile::readBool(in);
    _caseSensitive = WinFile::readBool(in);
    _numChoices = std::clamp<std::int32_t>(WinFile::readInt(in), NumChoicesMin, NumChoicesMax);
    _fromDir = fromDirOf(WinFile::readInt(in));
    _toDir = toDirOf(WinFile::readInt(in));
    _fromField = WinFile::readInt(in);
    _toField = WinFile::readInt(in);
    validate();
}
