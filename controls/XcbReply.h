#pragma once
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace lumivra {

// An X server's reply, freed as libxcb asks.
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The atom named `name`; XCB_ATOM_NONE when it cannot be had (or, with
// `onlyIfExists`, does not exist yet).
inline xcb_atom_t XcbAtom(xcb_connection_t* connection, const std::string& name, bool onlyIfExists = false) {
  XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection,
                            xcb_intern_atom(connection, onlyIfExists ? 1 : 0, static_cast<uint16_t>(name.size()),
                                            name.c_str()),
                            nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace lumivra
