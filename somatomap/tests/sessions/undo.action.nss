click commLrnHand
