// Moving the store's data of one contact record into another: what a refill replaces. The
// row's height, picture and SMS counts stay with the target.
#pragma once

class ContactListItem;

void MoveContactRecord(ContactListItem& from, ContactListItem& to);
