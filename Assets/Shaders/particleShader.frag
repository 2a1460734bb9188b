#version 410 core
uniform sampler2D atlas;

in vec2 textureCoordinate;
in vec4 particleColor;
out vec4 fragmentColor;

void main()
{
  // Free pool slots carry colour (0, 0, 0, 0): dropping them keeps the multiply mode from darkening.
  if (particleColor.a <= 0.0)
    discard;
  fragmentColor = texture(atlas, textureCoordinate) * particleColor;
}
