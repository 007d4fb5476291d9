namespace orvik{}
