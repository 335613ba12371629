#pragma once
// Component streaming: TFiler and its writer and reader of the binary component stream.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/Component.h"
#include "host/streaming/Extended.h"
#include "host/streaming/ValueCodec.h"

class TStream;
class TFiler;
class TReader;
class TWriter;
class TCollection;

using TReaderProc = std::function<void(TReader*)>;
using TWriterProc = std::function<void(TWriter*)>;
using TStreamProc = std::function<void(TStream*)>;

/// Maps the names of an integer type's well-known values (colour names, say) to numbers and
/// back; each answers false when it does not know the value.
using TIdentToInt = std::function<bool(const std::string& Ident, int32_t& Int)>;
using TIntToIdent = std::function<bool(int32_t Int, std::string& Ident)>;
void RegisterIntegerConsts(const TTypeInfo* IntegerType, TIdentToInt IdentToInt,
                           TIntToIdent IntToIdent);
void UnregisterIntegerConsts(const TTypeInfo* IntegerType);
TIdentToInt FindIdentToInt(const TTypeInfo* IntegerType);
TIntToIdent FindIntToIdent(const TTypeInfo* IntegerType);

/// Lets streams find loaded roots (forms, data modules) by name, for references that leave
/// the root being read and for the unique naming of a root read into a given instance.
using TFindGlobalComponent = std::function<TComponent*(const std::string& Name)>;
void RegisterFindGlobalComponentProc(void* Key, TFindGlobalComponent Proc);
void UnregisterFindGlobalComponentProc(void* Key);
TComponent* FindGlobalComponent(const std::string& Name);

/// Common ground of the reader and the writer: the stream, a transfer buffer of the size
/// given at creation, the root being streamed, and the defined-property protocol.
class TFiler : public TObject {
    ZK_CLASS(TFiler, TObject)
    TFiler(TStream* Stream, int BufSize);
    ~TFiler() override;

    TStream* Stream() const { return FStream; }
    TComponent* Root() const { return FRoot; }
    virtual void SetRoot(TComponent* Value) { FRoot = Value; }
    TComponent* LookupRoot() const { return FLookupRoot; }
    /// The object whose stored values are compared against while a writer writes against an
    /// ancestor (TWriter::WriteDescendent); null otherwise.
    TPersistent* Ancestor() const { return FAncestor; }
    void SetAncestor(TPersistent* Value) { FAncestor = Value; }
    /// When set, a component's children are neither written nor read (they are skipped).
    bool IgnoreChildren() const { return FIgnoreChildren; }
    void SetIgnoreChildren(bool Value) { FIgnoreChildren = Value; }

    /// Declares a property stored by code: ReadData consumes exactly one value, WriteData
    /// writes one, and HasData says whether there is anything to write.
    virtual void DefineProperty(const std::string& Name, TReaderProc ReadData,
                                TWriterProc WriteData, bool HasData) = 0;
    /// Same for an opaque block of bytes, stored as vaBinary.
    virtual void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData,
                                      TStreamProc WriteData, bool HasData) = 0;
    /// Writer: moves buffered bytes to the stream. Reader: gives back to the stream what was
    /// buffered but not consumed, so that the stream stands right after the last value read.
    virtual void FlushBuffer() = 0;

protected:
    TStream* FStream;
    std::vector<unsigned char> FBuffer;
    TComponent* FRoot = nullptr;
    TComponent* FLookupRoot = nullptr;
    TPersistent* FAncestor = nullptr;
    bool FIgnoreChildren = false;
};

/// How a writer sees what it writes where that differs from how it stands now: a design
/// session writes its controls as they will stand once the session ends. The default sees
/// everything as it is.
class TWriterView {
public:
    virtual ~TWriterView() = default;
    /// Lists Instance's children as they are to be written.
    virtual void GetChildren(TComponent* Instance, const TGetChildProc& Proc, TComponent* Root) {
        Instance->GetChildren(Proc, Root);
    }
    /// Sets Value to the ordinal value to write for the property in place of its present
    /// one and answers true; false writes the present value.
    virtual bool OrdValue(TPersistent* Instance, const TPropInfo* PropInfo, int64_t& Value) {
        (void)Instance, (void)PropInfo, (void)Value;
        return false;
    }
    /// The component that Instance's reference property is written as referring to, Value
    /// being the one it refers to now (null writes none).
    virtual TComponent* Reference(TPersistent* Instance, const TPropInfo* PropInfo,
                                  TComponent* Value) {
        (void)Instance, (void)PropInfo;
        return Value;
    }
};

/// Writes components and values in the binary component stream format.
class TWriter : public TFiler {
    ZK_CLASS(TWriter, TFiler)
    TWriter(TStream* Stream, int BufSize);
    /// Flushes what is still buffered; errors at that point are lost, so call FlushBuffer.
    ~TWriter() override;

    /// The signature, then Root's record with its properties and, recursively, the children
    /// that each component lists through GetChildren.
    void WriteRootComponent(TComponent* Root);
    /// Root as the changes made to it since AncestorRoot, a fresh instance of its class: the
    /// root and each component that AncestorRoot has by the same name are written inherited,
    /// with only the values that differ and only when something in them or below them differs;
    /// components AncestorRoot lacks are written in full; the names of those Root lacks are
    /// listed in the root's DeletedComponents property.
    void WriteDescendent(TComponent* Root, TComponent* AncestorRoot);
    /// The root's properties that WriteDescendent leaves out: state that belongs to where the
    /// root is shown (its place among windows, whether it is shown) rather than to what it is.
    std::vector<std::string> IgnoredRootProperties;
    /// One component record (the component's WriteState writes it).
    void WriteComponent(TComponent* Component);
    /// The record body used by TComponent::WriteState: header, properties, children.
    void WriteData(TComponent* Instance);
    void WriteSignature();

    void WriteValue(TValueType Value);
    void WriteInteger(int64_t Value);
    void WriteFloat(double Value);
    void WriteSingle(float Value);
    /// A currency amount, stored as amount x 10000 in 64 bits.
    void WriteCurrency(double Value);
    void WriteDate(TDateTime Value);
    void WriteBoolean(bool Value);
    /// An identifier; nil, False, True and Null (any case) become their own codes.
    void WriteIdent(const std::string& Ident);
    /// Text: the plain 8-bit string when it is ASCII, the UTF-8 string type otherwise.
    void WriteString(const std::string& Value);
    /// A raw short string (names), no value code.
    void WriteStr(const std::string& Value);
    void WriteListBegin();
    void WriteListEnd();
    /// A set of the given set type as its member names.
    void WriteSet(const TTypeInfo* SetType, uint64_t Value);
    void WriteCollection(TCollection* Value);
    void WriteBinary(const void* Data, int64_t Count);
    void WriteVariant(const Variant& Value);
    /// A property name, prefixed with the path of the nested object being written.
    void WritePropName(const std::string& Name);
    /// Every published, stored, non-default property, then the defined properties.
    void WriteProperties(TPersistent* Instance);
    void WriteProperty(TPersistent* Instance, const TPropInfo* PropInfo);
    /// Bytes written so far, buffered or not.
    int64_t Position() const;
    /// Writes what View sees (null: everything as it is); the view outlives the writing.
    void SetView(TWriterView* View) { FView = View; }

    void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;
    void FlushBuffer() override;

    void Write(const void* Data, int64_t Count);

private:
    void WriteBytes(const std::string& bytes) {
        Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    }
    void WriteObjectProperty(TPersistent* Instance, const TPropInfo* PropInfo);
    /// The name path by which the reader finds Value again, or "" when it cannot.
    std::string ComponentPath(TComponent* Value) const;
    /// The ordinal value written for the property: the view's, or the present one.
    int64_t OrdValue(TPersistent* Instance, const TPropInfo* PropInfo) const;

    TWriterView* FView = nullptr;
    // Writing against an ancestor (WriterAncestor.cpp).
    void WriteInheritedData(TComponent* Instance);
    void WriteInheritedChildren(TComponent* Instance, TComponent* Ancestor);
    void WriteChangedProperty(TPersistent* Instance, const TPropInfo* PropInfo);
    void WriteChangedDefined(const std::string& Name, const TWriterProc& WriteData, bool HasData);
    void WriteDeletedComponents();
    /// The bytes that Write puts on a writer of its own, which writes default values too and
    /// shares this one's property path, with Root as the root of component paths.
    std::string Rendered(TComponent* Root, const std::function<void(TWriter&)>& Write) const;
    /// The ancestor's rendering of its defined property Name, or "" when it has no data.
    std::string AncestorDefined(const std::string& Name) const;
    /// Forgets what was written since Position (all of it still buffered).
    void Truncate(int64_t Position);

    size_t FBufPos = 0;
    int64_t FFlushed = 0;
    std::string FPropPath;
    int FNesting = 0;
    /// Set while writing against an ancestor, with the buffer held: it grows instead of
    /// flushing, so that a record found to hold no change can be taken back.
    TComponent* FRootAncestor = nullptr;
    bool FHoldBuffer = false;
    /// The ancestor of the component whose record comes next, and its child position (-1: none).
    TComponent* FNextAncestor = nullptr;
    int FNextChildPos = -1;
    /// Renderings write default values as well, so that two of them compare fully.
    bool FWriteDefaults = false;
    /// A capturing writer writes only the defined property of this name.
    std::string FCaptureName;
};

/// Read-side error report: set Handled to continue with the next property or component. Besides
/// errors in a property, it is offered a child of a class the program does not know, a name
/// already taken, and an inherited record whose component is missing or (in an inherited root)
/// now lives in another parent; a handled record is skipped whole.
using TReaderError =
    std::function<void(TReader* Reader, const std::string& Message, bool& Handled)>;

/// Reads the binary component stream. The input is untrusted: every length is checked
/// against what the stream still holds, nesting and the number of components are bounded
/// (docs/stream-limits.md), and a failed load frees what it built.
class TReader : public TFiler {
    ZK_CLASS(TReader, TFiler)
    TReader(TStream* Stream, int BufSize);
    /// Gives unread buffered bytes back to the stream.
    ~TReader() override;

    /// Deepest nesting of components, and of lists and collections inside one value.
    static constexpr int MaxComponentDepth = 64;
    static constexpr int MaxValueDepth = 64;
    /// Most component records one reader takes (the root not counted): a bound on what a
    /// hostile stream makes the reader build.
    static constexpr int MaxComponents = 10000;

    /// Reads a whole stream: into Root when given (its class name is not checked), else
    /// into a new instance of the registered class the stream names. Returns the root.
    TComponent* ReadRootComponent(TComponent* Root = nullptr);
    /// Reads one component record owned by Owner() and parented to Parent(); with a
    /// non-null Component the record's properties go into it instead of a new instance.
    TComponent* ReadComponent(TComponent* Component);
    /// The record body used by TComponent::ReadState: properties, then the children.
    void ReadData(TComponent* Instance);
    void ReadSignature();
    /// Reads an optional prefix byte: its flags, and the child position it may carry (-1
    /// without the child-position flag).
    void ReadPrefix(uint8_t& Flags, int& ChildPos);

    TValueType ReadValue();
    TValueType NextValue();
    bool EndOfList();
    void ReadListBegin();
    void ReadListEnd();
    int32_t ReadInteger();
    int64_t ReadInt64();
    double ReadFloat();
    bool ReadBoolean();
    std::string ReadIdent();
    /// Any string value as UTF-8 (8-bit strings that are not UTF-8 are read as GBK).
    std::string ReadString();
    /// A raw short string (names).
    std::string ReadStr();
    /// A set's member names, checked against the set type.
    uint64_t ReadSet(const TTypeInfo* SetType);
    void ReadCollection(TCollection* Collection);
    Variant ReadVariant();
    /// The bytes of a vaBinary value.
    std::string ReadBinary();
    /// The payload of a value whose code was just read, as raw bytes or code units.
    std::string ReadRawString(TValueType Code);
    std::u16string ReadRawWideString();
    TExtended80 ReadRawExtended();
    /// A u32 length, checked against the bytes that remain.
    uint32_t ReadLength();

    void ReadProperties(TPersistent* Instance);
    void ReadProperty(TPersistent* Instance);
    void SkipValue();
    void SkipComponent(bool SkipHeader);

    /// Offset of the next byte to be read, from the start of the stream.
    int64_t Position() const;
    void SetPosition(int64_t Value);
    /// Bytes left between the position and the end of the stream.
    int64_t Remaining() const;
    void Read(void* Buffer, int64_t Count);

    TComponent* Owner() const { return FOwner; }
    void SetOwner(TComponent* Value) { FOwner = Value; }
    TComponent* Parent() const { return FParent; }
    void SetParent(TComponent* Value) { FParent = Value; }
    /// The root record carried the inherited flag: the stream holds changes to a form that
    /// already exists, and its components are looked up by name rather than made.
    bool InheritedRoot() const { return FInheritedRoot; }
    /// The names listed in an inherited root's DeletedComponents property.
    const std::vector<std::string>& DeletedComponents() const { return FDeleted; }
    /// During OnError: the component and the property path (empty for a whole record) that
    /// the reported error is about.
    const std::string& ErrorComponent() const { return FErrorComponent; }
    const std::string& ErrorProperty() const { return FErrorProperty; }

    void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;
    void FlushBuffer() override;

    TReaderError OnError;

    /// Damage found at the reader's position: EReadError saying at which byte of the stream
    /// and what the format wanted there ("a value type code", "the end of a list" ...).
    [[noreturn]] void Damaged(const std::string& Expected) const;

private:
    /// The stream ends before Count more bytes could be read.
    [[noreturn]] void ReadError(int64_t Count = 1) const;
    /// The byte just read (or the value starting there) is not what the format allows.
    [[noreturn]] void InvalidValue(const std::string& Expected = "一个有效的属性值") const;

    /// A reference property to set once the whole tree is read.
    struct TFixup {
        TPersistent* Instance;
        const TPropInfo* PropInfo;
        std::string Path;
        TComponent* Component;  // the component whose record holds the property
        TComponent* LookupRoot; // where the path starts: the root, or an embedded sub-root
    };

    bool FillBuffer();
    void PropertyError(const std::string& message);
    void ReadPropValue(TPersistent* Instance, const TPropInfo* PropInfo);
    void ReadOrdinalValue(TPersistent* Instance, const TPropInfo* PropInfo);
    void ReadObjectValue(TPersistent* Instance, const TPropInfo* PropInfo);
    void ReadMethodValue(TPersistent* Instance, const TPropInfo* PropInfo);
    TComponent* CreateComponent(const std::string& ClassName, const std::string& Name,
                                uint8_t Flags);
    bool HandleError(const std::string& message, const std::string& component = {},
                     const std::string& property = {});
    /// An inherited record whose component is missing, or now lives in another parent.
    bool SkipInherited(const std::string& Name, const std::string& Why);
    void ReadDeletedComponents();
    void ResolveFixups();
    void DiscardComponent(TComponent* Component);
    void FreeLoaded(bool freeRoot);
    void SkipValueAt(int depth);
    void SkipPropertyList(int depth);
    void SkipComponentAt(bool skipHeader, int depth);

    size_t FBufPos = 0;
    size_t FBufEnd = 0;
    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    TComponent* FCurrent = nullptr;
    std::string FPropName;
    std::string FErrorPath;
    bool FPropFound = false;
    int FComponentDepth = 0;
    int FComponentCount = 0;
    int FValueDepth = 0;
    std::vector<TComponent*> FLoaded;
    std::vector<TComponent*> FCreated;
    std::vector<TFixup> FFixups;
    bool FInheritedRoot = false;
    std::vector<std::string> FDeleted;
    std::string FErrorComponent;
    std::string FErrorProperty;
};

/// The inherited root's property that lists the components deleted from its ancestor.
inline constexpr const char* DeletedComponentsProperty = "DeletedComponents";
