#pragma once
// Exceptions and the small run-time helpers (numbers, text, dates, ticks).

#include <cstdint>
#include <stdexcept>
#include <string>

/// Base of every framework exception; Message is what the default error report shows.
class Exception : public std::exception {
public:
    explicit Exception(std::string msg) : FMessage(std::move(msg)) {}
    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define ZK_EXCEPTION(Name, Base)                                                                   \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
    };

ZK_EXCEPTION(EAbort, Exception)
ZK_EXCEPTION(EConvertError, Exception)
ZK_EXCEPTION(EInvalidCast, Exception)
ZK_EXCEPTION(EInvalidOperation, Exception)
ZK_EXCEPTION(ERangeError, Exception)
ZK_EXCEPTION(EListError, Exception)
ZK_EXCEPTION(EStringListError, EListError)
ZK_EXCEPTION(EComponentError, Exception)
ZK_EXCEPTION(EPropertyError, Exception)
ZK_EXCEPTION(EPropertyConvertError, EPropertyError)
ZK_EXCEPTION(EStreamError, Exception)
ZK_EXCEPTION(EFileStreamError, EStreamError)
ZK_EXCEPTION(EFOpenError, EFileStreamError)
ZK_EXCEPTION(EFCreateError, EFileStreamError)
ZK_EXCEPTION(EFilerError, EStreamError)
ZK_EXCEPTION(EReadError, EFilerError)
ZK_EXCEPTION(EWriteError, EFilerError)
ZK_EXCEPTION(EClassNotFound, EFilerError)
ZK_EXCEPTION(EParserError, Exception)
ZK_EXCEPTION(EOutOfResources, Exception)

#undef ZK_EXCEPTION

/// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

std::string IntToStr(int64_t value);
/// Parses a decimal (or $hex) integer; EConvertError names the text on failure.
int32_t StrToInt(const std::string& text);
int64_t StrToInt64(const std::string& text);
bool TryStrToInt64(const std::string& text, int64_t& value);
std::string FloatToStr(double value);
double StrToFloat(const std::string& text);
bool TryStrToFloat(const std::string& text, double& value);

/// ASCII-only case mapping: names are compared this way, other bytes are left alone.
std::string LowerCase(const std::string& text);
std::string UpperCase(const std::string& text);
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
std::string Trim(const std::string& text);
bool IsValidIdent(const std::string& ident);

// Dates use one fixed, locale-free format: "yyyy-mm-dd" and "yyyy-mm-dd hh:nn:ss"
// (the time is left out when it is midnight), so that every text written reads back.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec);
std::string DateTimeToStr(TDateTime dt);
std::string DateToStr(TDateTime dt);
std::string TimeToStr(TDateTime dt);
TDateTime StrToDateTime(const std::string& text);
TDateTime StrToDate(const std::string& text);
TDateTime Now();

/// Milliseconds since an arbitrary start, wrapping at 2^32 like the platform's counter.
uint32_t GetTickCount();
