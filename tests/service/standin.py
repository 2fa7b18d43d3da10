#!/usr/bin/env python3
"""A local stand-in for the road-book service, for tests and the run command.

It answers the client's six POST paths with replies in the service's envelope,
serves GET downloads from a folder, and records every request it receives.
Tests script it through paths under /_standin/:

  POST /_standin/reply?path=P[&status=N][&delay_ms=N][&header=Name:Value...][&raw=1][&truncate=N]
                      [&pause_after=N&pause_ms=M]
       queues a reply for the next request on path P; the request body is the reply body
       (raw=1: the body is the whole HTTP response, written as it is, then the socket is
       closed; truncate=N: only the first N body bytes are sent, then the socket is closed;
       pause_after=N: the rest of the body follows the first N bytes after M milliseconds)
  GET  /_standin/requests?path=P   the requests received on P, oldest first, as JSON
  POST /_standin/reset             forgets queued replies and received requests
  POST /_standin/file?name=N       stores the body as a download file /files/N

Everything is standard library; it binds 127.0.0.1 only.
"""
import argparse
import json
import os
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

SERVICE_PATHS = (
    "/client/login/",
    "/client/Reg/PCcustom.aspx",
    "/client/tree/getchildnoebyrootnode.aspx",
    "/client/Tree/getchildnode.aspx",
    "/client/getuserinfo/getuserinfo.aspx",
    "/client/update/",
)


def envelope(data=None, errorcode=0, error=""):
    reply = {"appid": 1, "errorcode": errorcode, "error": error}
    if data is not None:
        reply["data"] = data
    return json.dumps(reply, ensure_ascii=False).encode("utf-8")


class Sample:
    """The small category tree and account the run command shows."""

    user = "traveller"
    password = "secret1"

    def __init__(self, path):
        self.nodes = {}
        if path and os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                self.nodes = json.load(f)

    def children(self, pid, root):
        return [self.with_root(item, root) for item in self.nodes.get(str(pid), [])]

    def subtree(self, nodeid, root):
        for items in self.nodes.values():
            for item in items:
                if item.get("nodeid") == str(nodeid):
                    node = self.with_root(item, root)
                    node["children"] = [self.subtree(c["nodeid"], root) for c in self.nodes.get(str(nodeid), [])]
                    return node
        return {"nodeid": str(nodeid), "children": []}

    @staticmethod
    def with_root(item, root):
        node = dict(item)
        if "nodeurl" in node:
            node["nodeurl"] = node["nodeurl"].replace("{root}", root)
        return node


class State:
    def __init__(self, files_dir, sample):
        self.lock = threading.Lock()
        self.queued = {}
        self.received = {}
        self.files_dir = files_dir
        self.sample = sample

    def reset(self):
        with self.lock:
            self.queued.clear()
            self.received.clear()

    def record(self, request):
        with self.lock:
            self.received.setdefault(request["path"], []).append(request)

    def next_reply(self, path):
        with self.lock:
            queue = self.queued.get(path)
            return queue.pop(0) if queue else None


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "StandIn/1.0"

    def log_message(self, fmt, *args):
        pass

    @property
    def state(self):
        return self.server.state

    def read_body(self):
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length > 0 else b""

    def send_plain(self, status, body, headers=(), truncate=None, pause_after=None, pause_ms=0):
        self.send_response(status)
        names = {name.lower() for name, _ in headers}
        for name, value in headers:
            self.send_header(name, value)
        if "content-length" not in names:
            self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        data = body if truncate is None else body[:truncate]
        if pause_after is not None:
            self.wfile.write(data[:pause_after])
            self.wfile.flush()
            time.sleep(pause_ms / 1000.0)
            data = data[pause_after:]
        self.wfile.write(data)
        self.wfile.flush()
        self.close_connection = True

    def handle_any(self, method):
        url = urlsplit(self.path)
        body = self.read_body()
        if url.path.startswith("/_standin/"):
            return self.control(url, body)
        self.state.record({
            "method": method,
            "path": url.path,
            "query": url.query,
            "headers": [[k, v] for k, v in self.headers.items()],
            "body_hex": body.hex(),
        })
        reply = self.state.next_reply(url.path)
        if reply is not None:
            return self.scripted(reply)
        if method == "POST" and url.path in SERVICE_PATHS:
            return self.send_plain(200, self.default_reply(url.path, body),
                                   [("Content-Type", "application/json; charset=utf-8")])
        if method == "GET" and url.path.startswith("/files/"):
            return self.download(url.path[len("/files/"):])
        if method == "GET" and url.path.startswith("/pages/"):
            page = "<html><body><h1>%s</h1></body></html>" % os.path.basename(url.path)
            return self.send_plain(200, page.encode("utf-8"), [("Content-Type", "text/html; charset=utf-8")])
        self.send_plain(404, b"not found")

    def scripted(self, reply):
        if reply["delay_ms"]:
            time.sleep(reply["delay_ms"] / 1000.0)
        if reply["raw"]:
            self.wfile.write(reply["body"])
            self.wfile.flush()
            self.close_connection = True
            return
        self.send_plain(reply["status"], reply["body"], reply["headers"], reply["truncate"],
                        reply["pause_after"], reply["pause_ms"])

    def default_reply(self, path, body):
        params = parse_qs(body.decode("utf-8", "replace"), keep_blank_values=True)
        value = lambda key: (params.get(key) or [""])[0]
        sample = self.state.sample
        root = "http://%s:%d" % self.server.server_address[:2]
        if path == "/client/Tree/getchildnode.aspx":
            return envelope({"table": sample.children(value("pid") or "0", root)})
        if path == "/client/tree/getchildnoebyrootnode.aspx":
            return envelope({"table": sample.subtree(value("nodeid"), root)})
        if path == "/client/login/":
            if value("user") == sample.user and value("pass") == sample.password:
                return envelope({"sessioncode": "standin-session", "logintype": "1",
                                 "nickname": "旅行者", "head": ""})
            return envelope(errorcode=1, error="用户名或密码错误")
        if path == "/client/getuserinfo/getuserinfo.aspx":
            return envelope({"table": {"nickname": "旅行者", "cityname": "北京", "guanzhucount": "3",
                                       "fensicount": "5", "roadbookcount": "2", "microbookcount": "1",
                                       "youjicount": "4"}})
        if path == "/client/update/":
            return envelope({"updatetype": "0"})
        return envelope()

    def download(self, name):
        path = os.path.join(self.state.files_dir, os.path.basename(name))
        if not os.path.isfile(path):
            return self.send_plain(404, b"not found")
        with open(path, "rb") as f:
            data = f.read()
        start = 0
        rng = self.headers.get("Range", "")
        if rng.startswith("bytes="):
            first = rng[len("bytes="):].split("-")[0]
            start = int(first) if first.isdigit() else 0
        status = 206 if start else 200
        self.send_plain(status, data[start:], [("Content-Type", "application/octet-stream")])

    def control(self, url, body):
        query = parse_qs(url.query, keep_blank_values=True)
        one = lambda key, default=None: (query.get(key) or [default])[0]
        action = url.path[len("/_standin/"):]
        if action == "reply":
            headers = [tuple(h.split(":", 1)) for h in query.get("header", []) if ":" in h]
            reply = {
                "status": int(one("status", "200")),
                "delay_ms": int(one("delay_ms", "0")),
                "headers": [(k.strip(), v.strip()) for k, v in headers],
                "raw": one("raw") == "1",
                "truncate": int(one("truncate")) if one("truncate") else None,
                "pause_after": int(one("pause_after")) if one("pause_after") else None,
                "pause_ms": int(one("pause_ms", "0")),
                "body": body,
            }
            with self.state.lock:
                self.state.queued.setdefault(one("path", "/"), []).append(reply)
            return self.send_plain(200, b"ok")
        if action == "requests":
            with self.state.lock:
                items = list(self.state.received.get(one("path", "/"), []))
            return self.send_plain(200, json.dumps(items).encode("utf-8"),
                                   [("Content-Type", "application/json")])
        if action == "reset":
            self.state.reset()
            return self.send_plain(200, b"ok")
        if action == "file":
            name = os.path.basename(one("name", ""))
            if not name:
                return self.send_plain(400, b"name missing")
            with open(os.path.join(self.state.files_dir, name), "wb") as f:
                f.write(body)
            return self.send_plain(200, b"ok")
        self.send_plain(404, b"unknown control")

    def do_GET(self):
        self.handle_any("GET")

    def do_POST(self):
        self.handle_any("POST")


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 256


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, required=True, help="port of the service (0: any free one)")
    parser.add_argument("--download-port", type=int, default=None,
                        help="a second port serving the same paths (downloads use port 80)")
    parser.add_argument("--download-host", default="127.0.0.1",
                        help="loopback address of the second port (one per run: runs share port 80)")
    parser.add_argument("--files", default=None, help="folder of download files")
    parser.add_argument("--sample", default=None, help="JSON file of the sample category tree")
    parser.add_argument("--port-file", default=None, help="write the bound port here once listening")
    args = parser.parse_args()

    files_dir = args.files or os.path.join(os.getcwd(), "standin-files")
    os.makedirs(files_dir, exist_ok=True)
    state = State(files_dir, Sample(args.sample))
    servers = []
    addresses = [("127.0.0.1", args.port)]
    if args.download_port is not None:
        addresses.append((args.download_host, args.download_port))
    for address in addresses:
        server = Server(address, Handler)
        server.state = state
        servers.append(server)
    for server in servers[1:]:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    if args.port_file:
        with open(args.port_file + ".tmp", "w") as f:
            f.write(str(servers[0].server_address[1]))
        os.replace(args.port_file + ".tmp", args.port_file)
    try:
        servers[0].serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
