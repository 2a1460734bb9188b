#version 410 core
uniform sampler2D atlass;
// Looked up by the pass and never set, so it reads 0; kept so the pass finds it.
uniform float under;

in vec2 textureCoordinate;
in vec4 tint;
out vec4 fragmentColor;

void main()
{
  vec4 sampled = texture(atlass, textureCoordinate) * tint;
  if (sampled.a <= under)
    discard;
  fragmentColor = sampled;
}
