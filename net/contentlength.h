#ifndef NET_CONTENTLENGTH_H
#define NET_CONTENTLENGTH_H

// What both download workers read of a reply before its body.

class CHttpSocket;

// Reads the reply's status and header lines (traced) and returns its "Content-Length";
// 0 when it is missing, not positive or beyond 32 bits.
long ReadContentLength(CHttpSocket& http);

#endif
