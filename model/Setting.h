#pragma once
#include <cstdint>

#include "model/Outline.h"

// The study settings of one list: which side of an item is asked and which is
// expected, time-out, shuffling, continuous sessions, case sensitivity and the
// number of multiple-choice options. Field indexes are checked against the
// list's Outline, to which a Setting stays bound for life.
class Setting
{
public:
    // Direction kinds, values as stored in the file.
    enum Direction
    {
        TERM = 0,
        FIELD = 1,
        ANYTHING = 2,
        EVERYTHING_ELSE = 3
    };

    static constexpr int TimeOutMin = 2;
    static constexpr int TimeOutMax = 99;
    static constexpr int NumChoicesMin = 2;
    static constexpr int NumChoicesMax = 6;

    explicit Setting(const Outline& outline);
    Setting(const Setting& other) = default;
    // Copies every value but keeps this Setting's Outline, then validates.
    Setting& operator=(const Setting& other);

    int getTimeOut() const { return _timeOut; }
    void setTimeOut(int timeOut);
    bool isShuffle() const { return _shuffle; }
    void setShuffle(bool shuffle) { _shuffle = shuffle; }
    bool isContinuous() const { return _continuous; }
    void setContinuous(bool continuous) { _continuous = continuous; }
    bool isCaseSensitive() const { return _caseSensitive; }
    void setCaseSensitive(bool caseSensitive) { _caseSensitive = caseSensitive; }
    int getNumChoices() const { return _numChoices; }
    void setNumChoices(int numChoices) { _numChoices = numChoices; }

    // From side: TERM, FIELD or ANYTHING.
    Direction getFromDir() const { return _fromDir; }
    bool isFromTerm() const { return _fromDir == TERM; }
    bool isFromAnything() const { return _fromDir == ANYTHING; }
    bool isFromField() const { return _fromDir == FIELD; }
    unsigned getFromField() const;
    void setFromTerm() { _fromDir = TERM; }
    void setFromAnything() { _fromDir = ANYTHING; }
    void setFromField(unsigned idx);

    // To side: TERM, FIELD, ANYTHING or EVERYTHING_ELSE.
    Direction getToDir() const { return _toDir; }
    bool isToTerm() const { return _toDir == TERM; }
    bool isToAnything() const { return _toDir == ANYTHING; }
    bool isToEverythingElse() const { return _toDir == EVERYTHING_ELSE; }
    bool isToField() const { return _toDir == FIELD; }
    unsigned getToField() const;
    void setToTerm() { _toDir = TERM; }
    void setToAnything() { _toDir = ANYTHING; }
    void setToEverythingElse() { _toDir = EVERYTHING_ELSE; }
    void setToField(unsigned idx);

    // The stored indexes whatever the kinds: the file keeps both even for a
    // side that is not FIELD, and a converted list must keep them too.
    // validate() afterwards checks a FIELD side against the Outline.
    std::int32_t getStoredFromField() const { return _fromField; }
    std::int32_t getStoredToField() const { return _toField; }
    void setStoredFields(std::int32_t fromField, std::int32_t toField)
    {
        _fromField = fromField;
        _toField = toField;
    }

    // A FIELD side whose index the Outline no longer has falls back to
    // TERM (From) or EVERYTHING_ELSE (To).
    void validate();

    void write(WinFile::Serializer& out) const;
    // Values no dialog can produce are brought to the nearest valid ones.
    void read(WinFile::DeSerializer& in);

private:
    std::int32_t _timeOut;
    bool _shuffle;
    bool _continuous;
    bool _caseSensitive;
    std::int32_t _numChoices;
    Direction _fromDir;
    Direction _toDir;
    std::int32_t _fromField;
    std::int32_t _toField;
    const Outline& _outline;
};
