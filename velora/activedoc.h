#ifndef VELORA_ACTIVEDOC_H
#define VELORA_ACTIVEDOC_H
// The application's document: the first document of its first document template.
class CDocument;

// NULL when there is no application, no template, or the first template holds no
// document (later templates are not tried).
CDocument* GetActiveDoc();

#endif
