#ifndef FRAMEWORK_OBJECT_H
#define FRAMEWORK_OBJECT_H

// The root of the framework's classes and their run-time class records.

#include <windows.h>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;
    const CRuntimeClass* m_pNextClass; // the list of registered classes

    // A new object of the class, or NULL when the class cannot be created.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // The registered class of that name, or NULL.
    static const CRuntimeClass* FromName(const char* lpszClassName);
};

// Enters a class record in the list; one static instance per serialisable class.
struct CClassInit {
    explicit CClassInit(CRuntimeClass* pNewClass);
};

class CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    // Writes or reads the object's own fields; the base has none.
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass classCObject;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// Three kinds of record: DYNAMIC gives a class its record (for IsKindOf); DYNCREATE also lets
// the framework create it from the record (document templates and splitter panes create
// their classes so); SERIAL also names a schema and enters the record, at program start, in
// the list that CRuntimeClass::FromName searches.
#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define RUNTIME_CLASS_RECORD(class_name, base_class_name, wSchema, pfnCreate)                                          \
    CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), wSchema,         \
                                                   pfnCreate,   RUNTIME_CLASS(base_class_name),       NULL};           \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                                 \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }

#define CREATE_OBJECT_BODY(class_name)                                                                                 \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) RUNTIME_CLASS_RECORD(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CREATE_OBJECT_BODY(class_name)                                                                                     \
    RUNTIME_CLASS_RECORD(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
    CREATE_OBJECT_BODY(class_name)                                                                                     \
    RUNTIME_CLASS_RECORD(class_name, base_class_name, wSchema, class_name::CreateObject)                               \
    static const CClassInit s_init##class_name(RUNTIME_CLASS(class_name));

#endif
