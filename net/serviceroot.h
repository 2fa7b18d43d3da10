#ifndef NET_SERVICEROOT_H
#define NET_SERVICEROOT_H

// The service root (scheme and host, no trailing slash) that every request path, page
// address and cookie of the service is made from. Chosen when the programs are built.
const char* GetServiceRoot();

#endif
