// The maker's web addresses: the three links of FollowPage and the home page recorded in the
// uninstall entry. Kept together so that a change of the maker's accounts or site is one edit.
#pragma once

namespace web {

// The maker's account page on Sina Weibo: "/" + account name + "/".
constexpr char kWeiboPage[] = "http://weibo.com/brindlo/";
// QQ's web contact service for the maker's QQ account; the query keys keep this order.
constexpr char kQqContact[] = "http://wpa.qq.com/msgrd?v=1&uin=1739406521&site=brindlo&menu=yes";
// The agreement text on the maker's web site.
constexpr char kAgreement[] = "http://www.brindlo.com/thread-5038-1-1.html";
// The maker's home page: the site's root, no path.
constexpr char kUrlInfoAbout[] = "http://www.brindlo.com";

}  // namespace web
